# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules of the two programs (the desktop files are installed by
# assets/). Both link only system libraries, so the installed programs carry no
# RPATH: qt_standard_project_setup() would give them $ORIGIN/../lib, which
# CMake cannot write into binaries built without one.
set_target_properties(Lirem3 lirem-report PROPERTIES INSTALL_RPATH "")
install(TARGETS Lirem3 lirem-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The report tool's PDF module, loaded by the tool from ../${LIREM_PDF_MODULE_DIR}.
install(TARGETS lirem-report-pdf LIBRARY DESTINATION ${LIREM_PDF_MODULE_DIR})

# A stripped install (cpack, cmake --install --strip) also drops the sections
# that only name the compiler (.comment) or carry notes no one reads at run
# time (.note), as Debian's own packages do.
install(CODE "set(lirem_stripped \"${CMAKE_INSTALL_BINDIR}/Lirem3;${CMAKE_INSTALL_BINDIR}/lirem-report;${LIREM_PDF_MODULE_DIR}/lirem-report-pdf.so\")\nset(lirem_strip \"${CMAKE_STRIP}\")")
install(CODE [[
    if(CMAKE_INSTALL_DO_STRIP AND lirem_strip)
        foreach(installed IN LISTS lirem_stripped)
            set(file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${installed}")
            execute_process(COMMAND "${lirem_strip}" --remove-section=.comment --remove-section=.note "${file}"
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()
]])
