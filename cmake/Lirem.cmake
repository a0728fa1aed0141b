# SPDX-License-Identifier: GPL-3.0-or-later
# Shared settings for the project's own targets.

# Warnings beyond -Wall -Wextra that cost nothing here: the code is clean of
# them, so each new hit is worth a look (an int index that may go negative, a
# local hiding a member, a base without a virtual destructor).
set(LIREM_STRICT_WARNINGS -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
    -Wnon-virtual-dtor -Woverloaded-virtual)

# Strict warnings for code we write; third-party code never goes through this.
# Errors unless LIREM_WERROR is off (for packagers building with a newer
# compiler than the code was written with).
function(lirem_strict target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_compile_options(${target} PRIVATE -Wall -Wextra ${LIREM_STRICT_WARNINGS}
        $<$<BOOL:${LIREM_WERROR}>:-Werror>)
endfunction()

# lirem_add_test(NAME name SOURCES ... LIBS ... [GUI])
# One GoogleTest executable registered with ctest. GUI tests get the shared
# QApplication entry (tests/support) and run on the offscreen platform.
function(lirem_add_test)
    cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    lirem_strict(${T_NAME})
    # A test program's files compile together: GoogleTest's and Qt's headers
    # are read once per program instead of once per file.
    if(LIREM_UNITY_TESTS)
        set_target_properties(${T_NAME} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
    endif()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
    if(T_GUI)
        target_link_libraries(${T_NAME} PRIVATE lirem_test_main)
    else()
        target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main)
    endif()
    # Parameterised cases are named by their generators; NO_PRETTY_VALUES keeps
    # the printed parameter (raw bytes for a struct) out of the ctest name.
    gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# lirem_gzip(target file...): compresses files of the current binary folder to
# file.gz with gzip -9n (no name, no time stamp: the same bytes on every
# build), as part of the default build.
function(lirem_gzip target)
    find_program(GZIP gzip REQUIRED)
    set(outputs "")
    foreach(file ${ARGN})
        add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz
            COMMAND ${GZIP} -9nkf ${file}
            WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
            DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${file}
            VERBATIM)
        list(APPEND outputs ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
