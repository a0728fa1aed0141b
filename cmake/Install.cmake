# Install rules of the two programs (the desktop files are installed by
# assets/). Both link only system libraries, so the installed programs carry no
# RPATH: qt_standard_project_setup() would give them $ORIGIN/../lib, which
# CMake cannot write into binaries built without one.
set_target_properties(Lirem3 lirem-report PROPERTIES INSTALL_RPATH "")
install(TARGETS Lirem3 lirem-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The report tool's PDF module, loaded by the tool from ../lib/lirem3.
install(TARGETS lirem-report-pdf LIBRARY DESTINATION ${LIREM_PDF_MODULE_DIR})
