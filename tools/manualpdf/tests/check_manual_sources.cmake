# cmake -DMANUAL_EN=<file> -DMANUAL_ZH=<file> -P check_manual_sources.cmake
#
# The manual tells users which texts they will see; those must be the program's texts character for
# character (including its own spelling and punctuation), in both editions. The two editions must
# also have the same chapters and sections, so that neither falls behind.

set(messages
    "KM420 V1.01"
    "Trying to open device..."
    "Camera is open"
    "Failed to open device"
    "Camera is close"
    "USB flash disk is open"
    "USB flash disk is close"
    "Choose Camera"
    "Cameras:"
    "USB[Video]"
    "USB[File]"
    "Save Image"
    "Picture saved successfully."
    "Failed to save picture."
    "Changes will take effect when you restart application."
    "Data stream was failed,the application will be close."
    "History files path"
    "options.xml"
    "./Software Manual.pdf"
    "./软件用户手册.pdf"
    "0483:5740"
    "dialout"
    "make run"
    "make demo"
    "km420-sim"
    "KM420_CAMERA_PORT")

set(failures "")
foreach(edition MANUAL_EN MANUAL_ZH)
    if(NOT EXISTS "${${edition}}")
        message(FATAL_ERROR "${edition}: ${${edition}} does not exist")
    endif()
    file(READ "${${edition}}" text)
    foreach(m IN LISTS messages)
        string(FIND "${text}" "${m}" at)
        if(at EQUAL -1)
            string(APPEND failures "\n  ${${edition}}: does not quote \"${m}\"")
        endif()
    endforeach()
    # Headings outside fenced code blocks only: a shell comment in a code block starts with # too.
    string(REGEX REPLACE "\n```[^`]*\n```" "\n" prose "${text}")
    string(REGEX MATCHALL "\n# [^\n]+" chapters_${edition} "${prose}")
    string(REGEX MATCHALL "\n## [^\n]+" sections_${edition} "${prose}")
    list(LENGTH chapters_${edition} chapter_count_${edition})
    list(LENGTH sections_${edition} section_count_${edition})
endforeach()

if(NOT chapter_count_MANUAL_EN EQUAL chapter_count_MANUAL_ZH)
    string(APPEND failures "\n  chapters: ${chapter_count_MANUAL_EN} in English, ${chapter_count_MANUAL_ZH} in Chinese")
endif()
if(NOT section_count_MANUAL_EN EQUAL section_count_MANUAL_ZH)
    string(APPEND failures "\n  sections: ${section_count_MANUAL_EN} in English, ${section_count_MANUAL_ZH} in Chinese")
endif()
if(chapter_count_MANUAL_EN LESS 8)
    string(APPEND failures "\n  only ${chapter_count_MANUAL_EN} chapters in the English edition")
endif()

if(failures)
    message(FATAL_ERROR "manual sources:${failures}")
endif()
message(STATUS "manual sources: ${chapter_count_MANUAL_EN} chapters, ${section_count_MANUAL_EN} sections, "
               "all quoted messages present")
