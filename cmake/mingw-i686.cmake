# Cross-building the 32-bit Windows program with MinGW-w64 on Debian. The posix-thread compilers, because
# the Qt kit and std::thread need winpthreads. The Qt kit is CAMDESK_WIN_KIT (a cache entry or the
# environment); tools/windows/kit.sh finds one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CAMDESK_MINGW i686-w64-mingw32)
set(CMAKE_C_COMPILER ${CAMDESK_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CAMDESK_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${CAMDESK_MINGW}-windres)

if(NOT CAMDESK_WIN_KIT AND DEFINED ENV{CAMDESK_WIN_KIT})
    set(CAMDESK_WIN_KIT $ENV{CAMDESK_WIN_KIT})
endif()
set(CAMDESK_WIN_KIT "${CAMDESK_WIN_KIT}" CACHE PATH "Qt 5.15 kit for i686-w64-mingw32")
# try_compile projects read this file again; they need the kit too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CAMDESK_WIN_KIT)

list(APPEND CMAKE_PREFIX_PATH ${CAMDESK_WIN_KIT})
set(CMAKE_FIND_ROOT_PATH ${CAMDESK_WIN_KIT} /usr/${CAMDESK_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config must not hand the host's libraries (FFmpeg, udev) to a Windows build.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${CAMDESK_MINGW}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

