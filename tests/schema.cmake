# The keymap schema, held against the loader: schema_fixtures writes and loads documents through
# the library, check_schema.py validates them with python3-jsonschema (draft 2020-12).
add_executable(schema_fixtures ${CMAKE_CURRENT_LIST_DIR}/schema/schema_fixtures.cpp)
target_link_libraries(schema_fixtures PRIVATE keymapmanager_internal)
target_compile_definitions(schema_fixtures PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)

# The first Python that has the validator; without one the test still runs, and fails saying why.
find_package(Python3 COMPONENTS Interpreter QUIET)
set(KEYMAP_SCHEMA_PYTHON "")
foreach(candidate ${Python3_EXECUTABLE} /usr/bin/python3)
    if(NOT KEYMAP_SCHEMA_PYTHON AND EXISTS "${candidate}")
        execute_process(COMMAND ${candidate} -c "from jsonschema import Draft202012Validator"
            RESULT_VARIABLE missing OUTPUT_QUIET ERROR_QUIET)
        if(missing EQUAL 0)
            set(KEYMAP_SCHEMA_PYTHON ${candidate})
        endif()
    endif()
endforeach()
if(NOT KEYMAP_SCHEMA_PYTHON)
    set(KEYMAP_SCHEMA_PYTHON python3)
endif()

add_test(NAME schema
    COMMAND ${KEYMAP_SCHEMA_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/schema/check_schema.py
        --schema ${PROJECT_SOURCE_DIR}/schema/keymap.schema.json
        --fixtures $<TARGET_FILE:schema_fixtures>
        --data ${CMAKE_CURRENT_LIST_DIR}/schema
        --examples ${PROJECT_SOURCE_DIR}/examples)
set_tests_properties(schema PROPERTIES TIMEOUT 300 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
