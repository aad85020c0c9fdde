# One step of the packaging tests, run with cmake -P; MODE names it:
#   install             installs the build (BUILD_DIR) into PREFIX, emptied first, without internal headers
#   cmake_consumer      builds and runs the consumer (SOURCE) against PREFIX through find_package
#   pkgconfig_consumer  builds and runs it with the flags pkg-config gives for PREFIX
#   other_qt_refused    a host on the other Qt (OTHER_QT_MAJOR) is refused by the CMake package and, when
#                       it compiles with that Qt's flags first, by the package's headers
# CXX, LAUNCHER, SANITIZE and QT_MAJOR are the main build's compiler, launcher, sanitizers (which a
# consumer of a sanitized library links too) and Qt major version.
cmake_minimum_required(VERSION 3.16)

# Fails the step unless the command succeeds; its standard output is left in `output`.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${output}")
    endif()
    set(output "${output}" PARENT_SCOPE)
endfunction()

# Fails the step unless the command fails saying what matches the pattern.
function(refused pattern)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    string(REGEX REPLACE "[ \t\r\n]+" " " output "${output}")
    if(result EQUAL 0 OR NOT output MATCHES "${pattern}")
        message(FATAL_ERROR "not refused with \"${pattern}\" (${result}): ${ARGN}\n${output}")
    endif()
endfunction()

if(SANITIZE)
    set(sanitize_flags -fsanitize=${SANITIZE} -fno-omit-frame-pointer)
endif()
set(pkg_config ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${PREFIX}/${LIBDIR}/pkgconfig pkg-config)
file(REMOVE_RECURSE ${WORK})
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
elseif(MODE STREQUAL "cmake_consumer")
    string(REPLACE ";" " " flags "${sanitize_flags}")
    run(${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK} -DCMAKE_PREFIX_PATH=${PREFIX} -DHOST_QT_MAJOR=${QT_MAJOR}
        -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER}
        "-DCMAKE_CXX_FLAGS=${flags}" "-DCMAKE_EXE_LINKER_FLAGS=${flags}")
    run(${CMAKE_COMMAND} --build ${WORK})
    run(${WORK}/keymap_consumer)
elseif(MODE STREQUAL "pkgconfig_consumer")
    run(${pkg_config} --variable=qt_major_version ovel-keymapmanager)
    if(NOT output STREQUAL QT_MAJOR)
        message(FATAL_ERROR "the pkg-config file names Qt '${output}', the build used Qt ${QT_MAJOR}")
    endif()
    run(${pkg_config} --modversion ovel-keymapmanager)
    set(version "${output}")
    run(${pkg_config} --cflags --libs ovel-keymapmanager)
    separate_arguments(flags UNIX_COMMAND "${output}")
    file(MAKE_DIRECTORY ${WORK})
    run(${LAUNCHER} ${CXX} -std=c++17 ${SOURCE}/main.cpp ${flags} ${sanitize_flags}
        -DKEYMAP_PACKAGE_QT_MAJOR=${QT_MAJOR} "-DKEYMAP_PACKAGE_VERSION=\"${version}\"" -o ${WORK}/keymap_consumer)
    run(${pkg_config} --variable=libdir ovel-keymapmanager)
    run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${output} ${WORK}/keymap_consumer)
elseif(MODE STREQUAL "other_qt_refused")
    refused("was built with Qt ${QT_MAJOR}, but this project uses Qt ${OTHER_QT_MAJOR}" ${CMAKE_COMMAND}
        -S ${SOURCE} -B ${WORK} -DCMAKE_PREFIX_PATH=${PREFIX} -DHOST_QT_MAJOR=${OTHER_QT_MAJOR} -DCMAKE_CXX_COMPILER=${CXX})
    run(${pkg_config} --cflags Qt${OTHER_QT_MAJOR}Core)
    set(other_flags "${output}")
    run(${pkg_config} --cflags ovel-keymapmanager)
    separate_arguments(flags UNIX_COMMAND "${other_flags} ${output}")
    refused("ovel-keymapmanager was built with another Qt major version" ${CXX} -std=c++17 -fsyntax-only
        ${SOURCE}/main.cpp ${flags} -DKEYMAP_PACKAGE_QT_MAJOR=0 -DKEYMAP_PACKAGE_VERSION=\"0\")
else()
    message(FATAL_ERROR "unknown MODE '${MODE}'")
endif()
