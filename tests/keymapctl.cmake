# keymapctl is tested by running the built binary: one shell script per command group, with the
# data beside them in keymapctl/, and a small probe that reads the pixels of rendered pictures.
if(TARGET keymapctl)
    set(KEYMAPCTL_TEST_DIR ${CMAKE_CURRENT_SOURCE_DIR}/keymapctl)
    add_executable(keymapctl_pngprobe ${KEYMAPCTL_TEST_DIR}/pngprobe.cpp)
    target_link_libraries(keymapctl_pngprobe PRIVATE ${KEYMAP_QT}::Gui)
    foreach(suite check lint format macro key items render)
        add_test(NAME keymapctl_${suite}
            COMMAND bash ${KEYMAPCTL_TEST_DIR}/${suite}.sh $<TARGET_FILE:keymapctl> ${PROJECT_SOURCE_DIR})
        set_tests_properties(keymapctl_${suite} PROPERTIES TIMEOUT 300
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KEYMAPCTL_PNGPROBE=$<TARGET_FILE:keymapctl_pngprobe>;LSAN_OPTIONS=suppressions=${KEYMAPCTL_TEST_DIR}/lsan.supp:print_suppressions=0")
    endforeach()
endif()
