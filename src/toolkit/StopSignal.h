#pragma once
// A request to stop that one thread makes and another waits for or looks at. An event of the
// system, so that a worker can wait for it together with what it waits for anyway.
#include <windows.h>

#include "toolkit/UniqueHandle.h"

namespace tk {

class StopSignal {
public:
    StopSignal() : event_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

    void Request() { ::SetEvent(event_.get()); }
    bool Requested() const { return ::WaitForSingleObject(event_.get(), 0) == WAIT_OBJECT_0; }
    // Signalled once a stop has been requested.
    HANDLE Event() const { return event_.get(); }

private:
    UniqueKernelHandle event_;
};

}  // namespace tk
