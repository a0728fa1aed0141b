# SPDX-License-Identifier: GPL-3.0-or-later
# LIREM_HARDEN: the hardening flags Debian builds its packages with, for every
# target: fortified string and memory functions, stack protector, format
# checks, read-only relocations and immediate binding. They are asked of
# dpkg-buildflags (with hardening=+all), so a build follows the flags of the
# distribution it runs on; elsewhere the same set is written out below. The
# optimisation and debug flags it also prints are left to the build type.
# Sanitizer builds skip this: AddressSanitizer checks those calls itself and
# fortified wrappers would hide them from it.

if(NOT LIREM_HARDEN OR LIREM_SANITIZE)
    return()
endif()

set(lirem_harden_compile -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat -Werror=format-security)
set(lirem_harden_link -Wl,-z,relro -Wl,-z,now)

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
    set(lirem_harden_compile "")
    set(lirem_harden_link "")
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
            COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(g.*|O.*|f(file|debug|macro)-prefix-map=.*)$")
        if(kind STREQUAL LDFLAGS)
            list(APPEND lirem_harden_link ${flags})
        else()
            list(APPEND lirem_harden_compile ${flags})
        endif()
    endforeach()
endif()

# glibc refuses to fortify without optimisation and warns, which -Werror turns
# into an error: a Debug build goes without it.
list(TRANSFORM lirem_harden_compile REPLACE "^(-D_FORTIFY_SOURCE=.*)$" "$<$<NOT:$<CONFIG:Debug>>:\\1>")
add_compile_options(${lirem_harden_compile})
add_link_options(${lirem_harden_link})
list(JOIN lirem_harden_compile " " compile_text)
list(JOIN lirem_harden_link " " link_text)
message(STATUS "Hardening: ${compile_text} ${link_text}")
