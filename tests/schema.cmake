# The keymap schema, held against the loader: schema_fixtures writes and loads documents through
# the library, check_schema.py validates them with python3-jsonschema (draft 2020-12).
add_executable(schema_fixtures ${CMAKE_CURRENT_LIST_DIR}/schema/schema_fixtures.cpp)
target_link_libraries(schema_fixtures PRIVATE keymapmanager_internal)
target_compile_definitions(schema_fixtures PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
# Debian's python3-jsonschema serves the system Python, which need not come first on the PATH.
find_program(KEYMAP_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
add_test(NAME schema COMMAND ${KEYMAP_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/schema/check_schema.py
    ${PROJECT_SOURCE_DIR}/schema/keymap.schema.json $<TARGET_FILE:schema_fixtures>
    ${CMAKE_CURRENT_LIST_DIR}/schema ${PROJECT_SOURCE_DIR}/examples)
set_tests_properties(schema PROPERTIES TIMEOUT 300 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
