# Packaging: the installed tree serves a CMake consumer and a pkg-config consumer on the build's Qt,
# refuses a host on the other Qt, and the shared library exports its interface and nothing internal.
set(KEYMAP_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
set(KEYMAP_PACKAGING_STEP ${CMAKE_COMMAND}
    -DBUILD_DIR=${CMAKE_BINARY_DIR}
    -DPREFIX=${KEYMAP_PACKAGING_DIR}/prefix
    -DLIBDIR=${CMAKE_INSTALL_LIBDIR}
    -DSOURCE=${CMAKE_CURRENT_LIST_DIR}/packaging/consumer
    -DCXX=${CMAKE_CXX_COMPILER}
    -DLAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
    -DSANITIZE=${KEYMAP_SANITIZE}
    -DQT_MAJOR=${KEYMAP_QT_MAJOR}
    -DOTHER_QT_MAJOR=${KEYMAP_QT_OTHER_MAJOR})
set(KEYMAP_PACKAGING_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/packaging/consume.cmake)

add_test(NAME packaging_install COMMAND ${KEYMAP_PACKAGING_STEP} -DMODE=install -P ${KEYMAP_PACKAGING_SCRIPT})
add_test(NAME packaging_cmake_consumer COMMAND ${KEYMAP_PACKAGING_STEP} -DMODE=cmake
    -DWORK=${KEYMAP_PACKAGING_DIR}/cmake-consumer -P ${KEYMAP_PACKAGING_SCRIPT})
add_test(NAME packaging_pkgconfig_consumer COMMAND ${KEYMAP_PACKAGING_STEP} -DMODE=pkgconfig
    -DWORK=${KEYMAP_PACKAGING_DIR}/pkgconfig-consumer -P ${KEYMAP_PACKAGING_SCRIPT})
add_test(NAME packaging_other_qt_refused COMMAND ${KEYMAP_PACKAGING_STEP} -DMODE=mix
    -DWORK=${KEYMAP_PACKAGING_DIR}/other-qt-consumer -P ${KEYMAP_PACKAGING_SCRIPT})
set_tests_properties(packaging_install PROPERTIES FIXTURES_SETUP keymap_installed_prefix TIMEOUT 300)
set_tests_properties(packaging_cmake_consumer packaging_pkgconfig_consumer packaging_other_qt_refused PROPERTIES
    FIXTURES_REQUIRED keymap_installed_prefix TIMEOUT 600 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

find_package(Python3 COMPONENTS Interpreter QUIET)
set(KEYMAP_PACKAGING_PYTHON python3)
if(Python3_EXECUTABLE)
    set(KEYMAP_PACKAGING_PYTHON ${Python3_EXECUTABLE})
endif()
add_test(NAME packaging_exports COMMAND ${KEYMAP_PACKAGING_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/packaging/check_exports.py
    --library $<TARGET_FILE:ovel-keymapmanager> --headers ${PROJECT_SOURCE_DIR}/keymapmanager)
