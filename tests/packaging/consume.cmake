# One step of the packaging tests, run with cmake -P:
#   MODE=install    installs the built tree (BUILD_DIR) into PREFIX, emptied first
#   MODE=cmake      configures, builds and runs the consumer (SOURCE) against PREFIX with find_package
#   MODE=pkgconfig  compiles the consumer with the flags pkg-config gives for PREFIX, and runs it
#   MODE=mix        configures the consumer for a host on the other Qt (OTHER_QT_MAJOR), and compiles
#                   it with that Qt's pkg-config flags before the package's: both must refuse
# QT_MAJOR is the Qt major version of the main build.
# CXX and LAUNCHER name the compiler of the main build; SANITIZE its sanitizers, which a consumer
# of a sanitized library must link too.
cmake_minimum_required(VERSION 3.16)

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        string(REPLACE ";" " " line "${ARGV}")
        message(FATAL_ERROR "failed (${result}): ${line}")
    endif()
endfunction()

function(capture variable)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT result EQUAL 0)
        string(REPLACE ";" " " line "${ARGN}")
        message(FATAL_ERROR "failed (${result}): ${line}")
    endif()
    set(${variable} "${output}" PARENT_SCOPE)
endfunction()

set(sanitize_flags "")
if(SANITIZE)
    set(sanitize_flags -fsanitize=${SANITIZE} -fno-omit-frame-pointer)
endif()

if(MODE STREQUAL "install")
    file(REMOVE_RECURSE ${PREFIX})
    run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})
    foreach(expected ${LIBDIR}/cmake/ovel-keymapmanager/ovel-keymapmanagerConfig.cmake
                     ${LIBDIR}/pkgconfig/ovel-keymapmanager.pc include/keymapmanager/keymapmanager.h)
        if(NOT EXISTS ${PREFIX}/${expected})
            message(FATAL_ERROR "not installed: ${expected}")
        endif()
    endforeach()
    file(GLOB_RECURSE internal_headers ${PREFIX}/include/*_p.h)
    if(internal_headers)
        message(FATAL_ERROR "internal headers installed: ${internal_headers}")
    endif()
elseif(MODE STREQUAL "cmake")
    file(REMOVE_RECURSE ${WORK})
    string(REPLACE ";" " " flags "${sanitize_flags}")
    run(${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK} -DCMAKE_PREFIX_PATH=${PREFIX} -DHOST_QT_MAJOR=${QT_MAJOR}
        -DCMAKE_CXX_COMPILER=${CXX}
        -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER} "-DCMAKE_CXX_FLAGS=${flags}" "-DCMAKE_EXE_LINKER_FLAGS=${flags}")
    run(${CMAKE_COMMAND} --build ${WORK})
    run(${WORK}/keymap_consumer)
elseif(MODE STREQUAL "pkgconfig")
    file(REMOVE_RECURSE ${WORK})
    file(MAKE_DIRECTORY ${WORK})
    set(pkg_config ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${PREFIX}/${LIBDIR}/pkgconfig pkg-config)
    capture(flags ${pkg_config} --cflags --libs ovel-keymapmanager)
    capture(libdir ${pkg_config} --variable=libdir ovel-keymapmanager)
    capture(package_qt ${pkg_config} --variable=qt_major_version ovel-keymapmanager)
    if(NOT package_qt STREQUAL QT_MAJOR)
        message(FATAL_ERROR "the pkg-config file names Qt '${package_qt}', the build used Qt ${QT_MAJOR}")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    run(${LAUNCHER} ${CXX} -std=c++17 ${SOURCE}/main.cpp ${flags} ${sanitize_flags}
        -DKEYMAP_PACKAGE_QT_MAJOR=${package_qt} -o ${WORK}/keymap_consumer)
    run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${libdir} ${WORK}/keymap_consumer)
elseif(MODE STREQUAL "mix")
    file(REMOVE_RECURSE ${WORK})
    execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK} -DCMAKE_PREFIX_PATH=${PREFIX}
        -DHOST_QT_MAJOR=${OTHER_QT_MAJOR} -DCMAKE_CXX_COMPILER=${CXX}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    string(REGEX REPLACE "[ \t\r\n]+" " " output "${output}")
    if(result EQUAL 0 OR NOT output MATCHES "was built with Qt ${QT_MAJOR}, but this project uses Qt ${OTHER_QT_MAJOR}")
        message(FATAL_ERROR "a Qt ${OTHER_QT_MAJOR} host was not refused clearly (${result}):\n${output}")
    endif()
    # pkg-config cannot refuse a mix; the package's headers do, for code that finds the other Qt first.
    set(pkg_config ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${PREFIX}/${LIBDIR}/pkgconfig pkg-config)
    capture(other_flags ${pkg_config} --cflags Qt${OTHER_QT_MAJOR}Core)
    capture(flags ${pkg_config} --cflags ovel-keymapmanager)
    separate_arguments(flags UNIX_COMMAND "${other_flags} ${flags}")
    execute_process(COMMAND ${CXX} -std=c++17 -fsyntax-only ${SOURCE}/main.cpp ${flags} -DKEYMAP_PACKAGE_QT_MAJOR=0
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(result EQUAL 0 OR NOT output MATCHES "ovel-keymapmanager was built with another Qt major version")
        message(FATAL_ERROR "code on Qt ${OTHER_QT_MAJOR} compiled against the package:\n${output}")
    endif()
else()
    message(FATAL_ERROR "unknown MODE '${MODE}'")
endif()
