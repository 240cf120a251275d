# Fails when a C++ source does not follow .clang-format.
find_program(CLANG_FORMAT NAMES clang-format clang-format-14 REQUIRED)
file(GLOB_RECURSE sources
    ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h
    ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
    ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
    RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    string(SUBSTRING "${errors}" 0 4000 shown)
    message(FATAL_ERROR "Sources differ from .clang-format (run clang-format -i on them):\n${shown}")
endif()
