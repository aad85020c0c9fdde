# Under ThreadSanitizer every test (the suites, and the tool and schema runs, which load broken files
# too) runs with the suppressions of tests/tsan.supp (see there why Qt's thread pool needs them) and
# stops at the first report.
if(KEYMAP_SANITIZE MATCHES "thread")
    get_property(keymap_all_tests DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} PROPERTY TESTS)
    foreach(name ${keymap_all_tests})
        set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
            "TSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/tsan.supp halt_on_error=1 second_deadlock_stack=1")
    endforeach()
endif()
