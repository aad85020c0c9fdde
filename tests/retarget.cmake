# Moving a keymap to another screen, held against the rule as the format guide states it:
# check_retarget.py computes the expected document itself and runs keymapctl retarget, check, lint
# and format.
if(TARGET keymapctl)
    find_program(KEYMAP_PYTHON python3 REQUIRED)
    add_test(NAME retarget COMMAND ${KEYMAP_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/retarget/check_retarget.py
        $<TARGET_FILE:keymapctl> ${PROJECT_SOURCE_DIR})
    set_tests_properties(retarget PROPERTIES TIMEOUT 300 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
