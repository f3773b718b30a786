# The program's folders are floors, and a folder may include only its own headers and those of
# the floors below it:
#
#   logic  ->  toolkit  ->  settings, charmap, print, about (side by side)  ->  app
#
# (resources holds the resource ids, for the floors above toolkit). A target sees the headers it
# may use through a folder of its own in the build tree that holds links to just those source
# folders, so an include that goes the wrong way does not compile. scripts/check-floors.sh says
# the same of the sources, for ./test.sh and for a review.

# letterloom_floor_includes(TARGET FOLDER...): TARGET and its users include "FOLDER/header.h"
# for each FOLDER of src named.
function(letterloom_floor_includes target)
    set(view ${CMAKE_BINARY_DIR}/floors/${target})
    file(MAKE_DIRECTORY ${view})
    foreach(folder IN LISTS ARGN)
        set(link ${view}/${folder})
        if(NOT IS_SYMLINK ${link})
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${link} RESULT failed SYMBOLIC)
            if(failed)
                # No symbolic links here (some Windows set-ups): every header is in reach, and
                # only scripts/check-floors.sh guards the floors.
                message(STATUS "${target}: no link for ${folder} (${failed}); headers of all floors in reach")
                target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
                return()
            endif()
        endif()
    endforeach()
    target_include_directories(${target} PUBLIC ${view})
endfunction()
