# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the build into a Debian package installed under /usr and runs
# lintian --pedantic on it: any error or warning fails the check, and the
# whole report is printed.
#
#     cmake -DBUILD_DIR=... -DOUT=... -DCPACK=... -DLINTIAN=... -P check_package.cmake
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT}
                        -D CPACK_PACKAGING_INSTALL_PREFIX=/usr
                RESULT_VARIABLE result OUTPUT_VARIABLE cpack_out ERROR_VARIABLE cpack_out)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed (${result}):\n${cpack_out}")
endif()
file(GLOB debs ${OUT}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package in ${OUT}, found: ${debs}")
endif()

# Informational tags are shown too; only errors and warnings fail.
execute_process(COMMAND ${LINTIAN} --pedantic --display-info --fail-on error,warning
                        ${debs}
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE stderr)
message("lintian --pedantic ${debs}:\n${report}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lintian failed (${result}) ${stderr}")
endif()
file(REMOVE_RECURSE ${OUT})
