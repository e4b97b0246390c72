#pragma once

// Not part of the library's interface: the data behind WireLink.

#include "commapi.h"
#include "readthread.h"
#include "wirelink.h"

#include <memory>

class WireLink::Private {
public:
    bool isOpen = false;
    void* portHandle = INVALID_HANDLE_VALUE;
    std::unique_ptr<ReadThread> readThread;
};
