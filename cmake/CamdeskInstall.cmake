# The install: the program and the shared libraries it loads, the headers and CMake package of the two
# libraries offered to other programs, and the simulator as a component of its own.
include(CMakePackageConfigHelpers)

set(CAMDESK_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Camdesk)
set(CAMDESK_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/camdesk)

# LensFeed links DeviceBase and Commander publicly, so an outside project needs them as targets too.
install(TARGETS DeviceBase Commander LensFeed WireLink EXPORT CamdeskTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
# Loaded by camdesk only: no headers, no package.
install(TARGETS Frames Panes Junction Recording Layouts
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS camdesk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET km420-record)
    install(TARGETS km420-record RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET km420-export)
    install(TARGETS km420-export RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The public headers and everything they include; the stream cutter, frame check, decoder, palettes
# and the port helpers stay inside.
function(camdesk_install_headers target folder)
    string(TOLOWER ${target} lower)
    set(files ${CMAKE_BINARY_DIR}/${folder}/${lower}_export.h)
    foreach(header ${ARGN})
        list(APPEND files ${CMAKE_SOURCE_DIR}/${folder}/${header})
    endforeach()
    install(FILES ${files} DESTINATION ${CAMDESK_INSTALL_INCLUDEDIR}/${lower})
endfunction()
camdesk_install_headers(DeviceBase libs/devicebase
    baseobject.h devicemanager.h endpoint.h extinfolayout.h imagefile.h km420frame.h qurlinfo.h reentry.h serialdevice.h
    streamsource.h)
camdesk_install_headers(Commander libs/commander command.h commander.h)
camdesk_install_headers(LensFeed lensfeed lensfeed.h)
camdesk_install_headers(WireLink wirelink wirelink.h)

install(EXPORT CamdeskTargets NAMESPACE Camdesk:: DESTINATION ${CAMDESK_INSTALL_CMAKEDIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/CamdeskConfig.cmake.in
    ${CMAKE_BINARY_DIR}/CamdeskConfig.cmake
    INSTALL_DESTINATION ${CAMDESK_INSTALL_CMAKEDIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/CamdeskConfigVersion.cmake
    VERSION ${PROJECT_VERSION}
    COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/CamdeskConfig.cmake ${CMAKE_BINARY_DIR}/CamdeskConfigVersion.cmake
    DESTINATION ${CAMDESK_INSTALL_CMAKEDIR})

if(TARGET km420-sim)
    install(TARGETS CamSim km420-sim COMPONENT Simulator EXCLUDE_FROM_ALL
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
