# Under ThreadSanitizer every suite runs with the suppressions of tests/tsan.supp (see there why
# Qt's thread pool needs them) and stops at the first report.
if(KEYMAP_SANITIZE MATCHES "thread")
    foreach(source ${KEYMAP_TEST_SOURCES})
        get_filename_component(name ${source} NAME_WE)
        set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
            "TSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/tsan.supp halt_on_error=1 second_deadlock_stack=1")
    endforeach()
endif()
