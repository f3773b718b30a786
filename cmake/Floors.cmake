# The program's folders are floors, and a folder may include only its own headers and those of
# the floors below it:
#
#   logic  ->  toolkit  ->  settings, charmap, print, about (side by side)  ->  app
#
# (resources holds the resource ids, for the floors above toolkit). A target sees the headers it
# may use through a folder of its own in the build tree that holds links to just those source
# folders, so an include that goes the wrong way does not compile. scripts/check-floors.sh says
# the same of the sources, for ./test.sh and for a review.
#
# Where symbolic links cannot be made (Windows without Developer Mode or administrator rights),
# the folder holds one small header for each header of the source folder instead, which
# includes the real one by its full path: the same headers in reach, and no more. A header added
# later makes the build configure again (the folders are listed with CONFIGURE_DEPENDS).
# LETTERLOOM_FLOOR_LINKS=OFF chooses these headers where links would work too.
option(LETTERLOOM_FLOOR_LINKS "Show each target its floors through symbolic links" ON)

# letterloom_floor_includes(TARGET FOLDER...): TARGET and its users include "FOLDER/header.h"
# for each FOLDER of src named. Every FOLDER must exist.
function(letterloom_floor_includes target)
    set(view ${CMAKE_BINARY_DIR}/floors/${target})
    file(MAKE_DIRECTORY ${view})
    foreach(folder IN LISTS ARGN)
        set(source ${PROJECT_SOURCE_DIR}/src/${folder})
        set(link ${view}/${folder})
        if(NOT IS_DIRECTORY ${source})
            message(FATAL_ERROR "${target}: src/${folder} is not a folder of the program")
        endif()
        if(IS_SYMLINK ${link})
            continue()
        endif()
        set(failed "")
        if(LETTERLOOM_FLOOR_LINKS AND NOT EXISTS ${link})
            file(CREATE_LINK ${source} ${link} RESULT failed SYMBOLIC)
            if(NOT failed)
                continue()
            endif()
        endif()
        _letterloom_forwarding_headers(${source} ${link})
        if(failed)
            message(STATUS "${target}: no link for ${folder} (${failed}); forwarding headers instead")
        endif()
    endforeach()
    target_include_directories(${target} PUBLIC ${view})
endfunction()

# One header in FOLDER for each header of SOURCE, including it by its full path. Headers that
# SOURCE no longer holds go.
function(_letterloom_forwarding_headers source folder)
    file(MAKE_DIRECTORY ${folder})
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${source}
        ${source}/*.h ${source}/*.hh ${source}/*.hpp ${source}/*.inl)
    file(GLOB_RECURSE stale RELATIVE ${folder} ${folder}/*)
    foreach(header IN LISTS headers)
        list(REMOVE_ITEM stale ${header})
        set(text "// Made by cmake/Floors.cmake: the header of the program's sources.\n")
        string(APPEND text "#include \"${source}/${header}\"\n")
        # Written only when it changes, so that a new configuration rebuilds nothing.
        file(CONFIGURE OUTPUT ${folder}/${header} CONTENT "${text}")
    endforeach()
    foreach(header IN LISTS stale)
        file(REMOVE ${folder}/${header})
    endforeach()
endfunction()
