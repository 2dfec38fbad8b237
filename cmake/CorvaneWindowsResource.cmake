# The Windows programs' resource: program icon and version block (cmake/windows_resource.rc.in).
# Windows builds only; elsewhere corvane_windows_resource() does nothing.
if(NOT WIN32)
    function(corvane_windows_resource target description)
    endfunction()
    return()
endif()

enable_language(RC)

# The icon is made from the same PNG the editor shows as its window icon, so there is one picture to
# change. The packages take this .ico too (tools/windows-package.sh).
find_program(CORVANE_CONVERT_PROGRAM NAMES convert magick REQUIRED)
set(CORVANE_WINDOWS_ICON ${PROJECT_BINARY_DIR}/generated/corvane-scripter.ico)
add_custom_command(OUTPUT ${CORVANE_WINDOWS_ICON}
    COMMAND ${CORVANE_CONVERT_PROGRAM} ${PROJECT_SOURCE_DIR}/packaging/corvane-scripter.png
            -define icon:auto-resize=256,48,32,16 ${CORVANE_WINDOWS_ICON}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/corvane-scripter.png
    COMMENT "Making the Windows program icon"
    VERBATIM)
add_custom_target(corvane_windows_icon ALL DEPENDS ${CORVANE_WINDOWS_ICON})

# Copyright line as LICENSE words it.
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE CORVANE_RC_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
if(NOT CORVANE_RC_COPYRIGHT)
    message(FATAL_ERROR "LICENSE has no Copyright line for the Windows version block")
endif()

# Gives the program target the icon, and FileDescription `description` in its version block.
function(corvane_windows_resource target description)
    set(CORVANE_RC_TARGET ${target})
    set(CORVANE_RC_FILE_NAME ${target}.exe)
    set(CORVANE_RC_DESCRIPTION ${description})
    set(CORVANE_RC_ICON ${CORVANE_WINDOWS_ICON})
    set(rc ${PROJECT_BINARY_DIR}/generated/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/windows_resource.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${CORVANE_WINDOWS_ICON})
    add_dependencies(${target} corvane_windows_icon)
endfunction()
