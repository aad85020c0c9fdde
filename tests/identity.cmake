# A Qt 6 build saves, converts and names keys byte for byte as Qt 5 does: see identity/compare.cmake.
# The documents are the examples and the test and seed documents; the macro texts are the tests' own.
if(NOT KEYMAP_QT_MAJOR STREQUAL "5" AND NOT KEYMAP_SANITIZE)
    file(GLOB KEYMAP_IDENTITY_FILES ${PROJECT_SOURCE_DIR}/examples/*.json ${CMAKE_CURRENT_LIST_DIR}/keymapctl/data/*.json
        ${CMAKE_CURRENT_LIST_DIR}/keymapctl/data/macro-*.txt ${CMAKE_CURRENT_LIST_DIR}/schema/filled.json
        ${PROJECT_SOURCE_DIR}/fuzz/seeds/document/*.json ${PROJECT_SOURCE_DIR}/fuzz/seeds/macro/*.txt)
    add_test(NAME identity_with_qt5 COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
        -DWORK=${CMAKE_BINARY_DIR}/identity -DPREFIX=${CMAKE_BINARY_DIR}/packaging/prefix -DCXX=${CMAKE_CXX_COMPILER}
        -DLAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER} "-DFILES=${KEYMAP_IDENTITY_FILES}"
        -P ${CMAKE_CURRENT_LIST_DIR}/identity/compare.cmake)
    set_tests_properties(identity_with_qt5 PROPERTIES FIXTURES_REQUIRED keymap_installed_prefix TIMEOUT 1200)
endif()
