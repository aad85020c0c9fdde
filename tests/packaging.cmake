# Packaging: the installed tree serves a CMake consumer and a pkg-config consumer on the build's Qt,
# refuses a host on the other Qt, and the shared library exports its interface and nothing internal.
set(KEYMAP_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
foreach(mode install cmake_consumer pkgconfig_consumer other_qt_refused)
    add_test(NAME packaging_${mode} COMMAND ${CMAKE_COMMAND} -DMODE=${mode} -DBUILD_DIR=${CMAKE_BINARY_DIR}
        -DPREFIX=${KEYMAP_PACKAGING_DIR}/prefix -DWORK=${KEYMAP_PACKAGING_DIR}/${mode} -DLIBDIR=${CMAKE_INSTALL_LIBDIR}
        -DSOURCE=${CMAKE_CURRENT_LIST_DIR}/packaging/consumer -DCXX=${CMAKE_CXX_COMPILER}
        -DLAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER} -DSANITIZE=${KEYMAP_SANITIZE} -DQT_MAJOR=${KEYMAP_QT_MAJOR}
        -DOTHER_QT_MAJOR=${KEYMAP_QT_OTHER_MAJOR} -P ${CMAKE_CURRENT_LIST_DIR}/packaging/consume.cmake)
    set_tests_properties(packaging_${mode} PROPERTIES FIXTURES_REQUIRED keymap_installed_prefix TIMEOUT 600
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
set_tests_properties(packaging_install PROPERTIES FIXTURES_SETUP keymap_installed_prefix FIXTURES_REQUIRED "")
add_test(NAME packaging_exports COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/packaging/exports.sh $<TARGET_FILE:ovel-keymapmanager>)
