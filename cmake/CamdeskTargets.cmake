# Shared helpers for the project's targets: warnings, export headers, tests.
include(GenerateExportHeader)

option(CAMDESK_WERROR "Treat compiler warnings as errors" OFF)

function(camdesk_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4)
        if(CAMDESK_WERROR)
            target_compile_options(${target} PRIVATE /WX)
        endif()
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra)
        if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
            # MinGW's GCC 12 takes the buffer of a detached QByteArray for Qt's 16-byte shared null and flags
            # every write into it.
            target_compile_options(${target} PRIVATE -Wno-stringop-overflow)
        endif()
        if(CAMDESK_WERROR)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    endif()
endfunction()

# camdesk_library_includes(<target> <scope>)
# Headers are included by the name of their library's folder (<lensfeed/lensfeed.h>, <devicebase/endpoint.h>),
# so the folder's parent is what goes on the include path; generated export headers sit in the same place
# under the build tree.
function(camdesk_library_includes target scope)
    get_filename_component(source_parent ${CMAKE_CURRENT_SOURCE_DIR} DIRECTORY)
    get_filename_component(binary_parent ${CMAKE_CURRENT_BINARY_DIR} DIRECTORY)
    target_include_directories(${target} ${scope} $<BUILD_INTERFACE:${source_parent}> $<BUILD_INTERFACE:${binary_parent}>)
endfunction()

# camdesk_internal_library(<name> SOURCES ... [PIECES] [DEFINITIONS ...] [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# A static library that is never installed. PIECES: the pure pieces a shared library is built from, compiled
# into it with hidden symbols. Otherwise the tests' build of a shared library, whose DEFINITIONS turn its seams
# on and name it static (<NAME>_STATIC_DEFINE).
function(camdesk_internal_library name)
    cmake_parse_arguments(ARG "PIECES" "" "SOURCES;DEFINITIONS;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    add_library(Camdesk::${name} ALIAS ${name})
    target_compile_features(${name} PUBLIC cxx_std_17)
    if(ARG_DEFINITIONS)
        target_compile_definitions(${name} PUBLIC ${ARG_DEFINITIONS})
    endif()
    camdesk_library_includes(${name} PUBLIC)
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
    if(ARG_PIECES)
        set_target_properties(${name} PROPERTIES
            POSITION_INDEPENDENT_CODE ON
            CXX_VISIBILITY_PRESET hidden
            VISIBILITY_INLINES_HIDDEN ON)
    endif()
    camdesk_warnings(${name})
endfunction()

# camdesk_library(<name> <alias-namespace> SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# A shared library with a generated export header <lowername>_export.h in the build tree. What is
# installed, and how, is decided in CamdeskInstall.cmake.
#
# EXPORTED_CLASSES: the library's dynamic symbol table is held to these classes (their members, vtables,
# type information and thunks) by a linker version script, so that what it uses inside (templates of the
# standard library among them) is not offered to other programs. GNU-style linkers only.
function(camdesk_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS;EXPORTED_CLASSES" ${ARGN})
    add_library(${name} SHARED ${ARG_SOURCES})
    add_library(${name}::${name} ALIAS ${name})
    add_library(Camdesk::${name} ALIAS ${name})
    string(TOLOWER ${name} lower)
    generate_export_header(${name} BASE_NAME ${lower} EXPORT_FILE_NAME ${CMAKE_CURRENT_BINARY_DIR}/${lower}_export.h)
    target_compile_features(${name} PUBLIC cxx_std_17)
    camdesk_library_includes(${name} PUBLIC)
    target_include_directories(${name} PUBLIC $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/camdesk>)
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
    set_target_properties(${name} PROPERTIES
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        LIBRARY_OUTPUT_DIRECTORY ${CAMDESK_OUTPUT_DIR}
        RUNTIME_OUTPUT_DIRECTORY ${CAMDESK_OUTPUT_DIR}
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR})
    if(WIN32)
        # LensFeed.dll, not MinGW's libLensFeed.dll: the names Windows programs expect.
        set_target_properties(${name} PROPERTIES PREFIX "" IMPORT_PREFIX "")
    endif()
    camdesk_warnings(${name})
    if(ARG_EXPORTED_CLASSES AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
        set(patterns)
        foreach(class ${ARG_EXPORTED_CLASSES})
            string(APPEND patterns "      ${class}::*;\n      \"vtable for ${class}\";\n"
                "      \"typeinfo for ${class}\";\n      \"typeinfo name for ${class}\";\n"
                "      \"non-virtual thunk to ${class}::*\";\n")
        endforeach()
        set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}.map)
        file(WRITE ${script} "{\n  global:\n    extern \"C++\" {\n${patterns}    };\n  local: *;\n};\n")
        target_link_options(${name} PRIVATE "LINKER:--version-script=${script}")
        set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${script})
    endif()
endfunction()

# camdesk_test(<name> SOURCES ... LIBS ... [LABELS ...] [TIMEOUT s])
# One QTest executable registered with CTest, run headless, with a settings folder of its own: what the user
# set up for their own camdesk never reaches a test.
function(camdesk_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS})
    target_compile_features(${name} PRIVATE cxx_std_17)
    camdesk_warnings(${name})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CAMDESK_TEST_OUTPUT_DIR})
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;CAMDESK_ARTIFACTS=${CAMDESK_ARTIFACTS_DIR};XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/tests/config/${name}"
        LABELS "${ARG_LABELS}")
endfunction()
