# The Windows program folder, made in bin/ beside camdesk.exe: the Qt DLLs and plugins it loads, MinGW's runtime
# DLLs and the two manuals. The manuals come from a Linux build (CAMDESK_MANUAL_DIR), whose host tool sets them.
set(CAMDESK_MANUAL_DIR "" CACHE PATH "Folder holding the two manual PDFs of a Linux build (its bin/)")

set(tree_commands)
# camdesk_tree_copy(<folder under bin/> <file or generator expression>...)
macro(camdesk_tree_copy folder)
    list(APPEND tree_commands COMMAND ${CMAKE_COMMAND} -E make_directory "${CAMDESK_OUTPUT_DIR}/${folder}"
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ARGN} "${CAMDESK_OUTPUT_DIR}/${folder}")
endmacro()

camdesk_tree_copy(. $<TARGET_FILE:Qt5::Core> $<TARGET_FILE:Qt5::Gui> $<TARGET_FILE:Qt5::Widgets>
    $<TARGET_FILE:Qt5::SerialPort>)
camdesk_tree_copy(platforms $<TARGET_FILE:Qt5::QWindowsIntegrationPlugin>)
camdesk_tree_copy(styles $<TARGET_FILE:Qt5::QWindowsVistaStylePlugin>)
# Pictures from the camera's disk may be JPEG; the program's icons are ICO.
camdesk_tree_copy(imageformats $<TARGET_FILE:Qt5::QJpegPlugin> $<TARGET_FILE:Qt5::QICOPlugin>)

foreach(dll libstdc++-6.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The compiler knows no ${dll}: the program would not start without it")
    endif()
    get_filename_component(path "${path}" REALPATH)
    camdesk_tree_copy(. "${path}")
endforeach()

if(CAMDESK_MANUAL_DIR)
    camdesk_tree_copy(. "${CAMDESK_MANUAL_DIR}/Software Manual.pdf" "${CAMDESK_MANUAL_DIR}/软件用户手册.pdf")
else()
    message(WARNING "CAMDESK_MANUAL_DIR not set: the Windows program folder has no manuals")
endif()

add_custom_target(windows_tree ALL ${tree_commands} COMMENT "Filling the Windows program folder" VERBATIM)
add_dependencies(windows_tree camdesk LensFeed WireLink camdesk_translations)
