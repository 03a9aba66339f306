# SPDX-License-Identifier: GPL-3.0-or-later
# Compresses one file as Debian wants its documents: best compression, and no
# file name or time stamp in the header, so that the bytes do not depend on
# when or where the build ran.
#
#     cmake -DIN=file -DOUT=file.gz -P gzip.cmake
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND ${GZIP} -9 -n -c ${IN} OUTPUT_FILE ${OUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE ${OUT})
    message(FATAL_ERROR "gzip ${IN}: ${result}")
endif()
