# keymapctl is tested by running the built binary: keymapctl/run.sh runs the cases of one command
# group and compares their transcript with the expected one (a probe reads the rendered pictures).
# The import's key tables are tested on their own against the library's and Qt's key naming.
if(TARGET keymapctl)
    set(KEYMAPCTL_TEST_DIR ${CMAKE_CURRENT_SOURCE_DIR}/keymapctl)
    add_executable(keymapctl_pngprobe ${KEYMAPCTL_TEST_DIR}/pngprobe.cpp)
    target_link_libraries(keymapctl_pngprobe PRIVATE ${KEYMAP_QT}::Gui)
    foreach(group check lint format macro key items render import retarget)
        add_test(NAME keymapctl_${group}
            COMMAND bash ${KEYMAPCTL_TEST_DIR}/run.sh $<TARGET_FILE:keymapctl> ${PROJECT_SOURCE_DIR} ${group})
        set_tests_properties(keymapctl_${group} PROPERTIES TIMEOUT 300
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KEYMAPCTL_PNGPROBE=$<TARGET_FILE:keymapctl_pngprobe>;LSAN_OPTIONS=suppressions=${KEYMAPCTL_TEST_DIR}/lsan.supp:print_suppressions=0")
    endforeach()

    add_test(NAME keymapctl_rules_readme
        COMMAND bash ${KEYMAPCTL_TEST_DIR}/rules_readme.sh $<TARGET_FILE:keymapctl> ${PROJECT_SOURCE_DIR}/README.md)

    get_filename_component(KEYMAPCTL_SHARED_DIR ${PROJECT_SOURCE_DIR}/../shared ABSOLUTE)
    add_test(NAME keymapctl_format_roundtrip
        COMMAND python3 ${KEYMAPCTL_TEST_DIR}/format_roundtrip.py $<TARGET_FILE:keymapctl> ${PROJECT_SOURCE_DIR}
            ${KEYMAPCTL_SHARED_DIR})
    set_tests_properties(keymapctl_format_roundtrip PROPERTIES TIMEOUT 600
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

    add_executable(keymapctl_importkeys_test ${KEYMAPCTL_TEST_DIR}/importkeys_test.cpp
        ${PROJECT_SOURCE_DIR}/tools/keymapctl/import/import_keys.cpp
        ${PROJECT_SOURCE_DIR}/tools/keymapctl/import/import_keys_web.cpp
        ${PROJECT_SOURCE_DIR}/tools/keymapctl/import/import_keys_hid.cpp)
    target_include_directories(keymapctl_importkeys_test PRIVATE ${PROJECT_SOURCE_DIR}
        ${PROJECT_SOURCE_DIR}/tools/keymapctl)
    target_link_libraries(keymapctl_importkeys_test PRIVATE ovel-keymapmanager GTest::gtest_main)
    add_test(NAME keymapctl_importkeys COMMAND keymapctl_importkeys_test)
endif()
