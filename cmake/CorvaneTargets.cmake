# Helpers that give every target of the project the same compiler settings.

if(CORVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
if(CORVANE_COVERAGE)
    # Line counts for gcov; tools/coverage.sh turns them into a report.
    add_compile_options(--coverage)
    add_link_options(--coverage)
endif()
if(CORVANE_BUILD_FUZZ)
    # Instrument every library so the fuzzers see coverage inside the engine.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

function(corvane_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${CORVANE_WERROR}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
            $<$<BOOL:${CORVANE_WERROR}>:-Werror>)
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            # GCC 12 reports a false -Wrestrict inside std::string's operator+ at -O3 (GCC bug 105329).
            target_compile_options(${target} PRIVATE -Wno-restrict)
        endif()
    endif()
endfunction()

# An engine library: standard C++ only. Qt's headers are not on its include path, so an
# engine source that includes Qt does not compile.
function(corvane_engine_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    # qt_standard_project_setup() turns Qt's code generators on for every target; an engine
    # library has nothing for them to do.
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    corvane_warnings(${name})
endfunction()

# A library of windows (Qt Widgets).
function(corvane_qt_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC Qt6::Widgets)
    target_compile_definitions(${name} PUBLIC QT_NO_CAST_FROM_ASCII)
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
    corvane_warnings(${name})
endfunction()

# A GoogleTest executable registered with CTest. Tests of windows run on the offscreen platform.
function(corvane_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_definitions(${name} PRIVATE
        CORVANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        CORVANE_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures")
    corvane_warnings(${name})
    if(CMAKE_CROSSCOMPILING)
        # Under an emulator (Wine) every start is expensive: one CTest test per executable.
        add_test(NAME ${name} COMMAND ${name})
    else()
        gtest_discover_tests(${name}
            DISCOVERY_TIMEOUT 120
            PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
endfunction()

# A libFuzzer target over engine libraries.
function(corvane_fuzzer name source)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ARGN})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    corvane_warnings(${name})
endfunction()
