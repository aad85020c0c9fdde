# The keymap schema, held against the loader: check_schema.py has keymapctl make and load documents
# (schema_templates writes the built-in templates, which only the library reaches) and validates them
# with python3-jsonschema (draft 2020-12).
if(TARGET keymapctl)
    add_executable(schema_templates ${CMAKE_CURRENT_LIST_DIR}/schema/schema_templates.cpp)
    target_link_libraries(schema_templates PRIVATE keymapmanager_internal)
    # Debian's python3-jsonschema serves the system Python, which need not come first on the PATH.
    find_program(KEYMAP_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
    add_test(NAME schema COMMAND ${KEYMAP_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/schema/check_schema.py
        ${PROJECT_SOURCE_DIR}/schema/keymap.schema.json $<TARGET_FILE:keymapctl> $<TARGET_FILE:schema_templates>
        ${CMAKE_CURRENT_LIST_DIR}/schema ${PROJECT_SOURCE_DIR}/examples)
    set_tests_properties(schema PROPERTIES TIMEOUT 300 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()

# The committed schema is what `keymapctl schema` prints: regenerate it with
# `keymapctl schema > schema/keymap.schema.json` after a change to the member lists or the prose.
if(TARGET keymapctl)
    add_test(NAME schema_generated COMMAND bash -c "\"$0\" schema | diff -u \"$1\" -"
        $<TARGET_FILE:keymapctl> ${PROJECT_SOURCE_DIR}/schema/keymap.schema.json)
endif()
