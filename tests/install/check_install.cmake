# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks the tree: the program
# with its help file in one folder, the launcher on the PATH leading to it,
# the desktop files, icons, man pages, changelogs and copyright file; then
# starts both programs from there.
#
#     cmake -DBUILD_DIR=... -DSTAGE=... -DAPP_ID=... -DLIBEXECDIR=... -DBINDIR=...
#           -DDATADIR=... -DMANDIR=... -DDOCDIR=... -P check_install.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    ${LIBEXECDIR}/tenho/tenho
    ${LIBEXECDIR}/tenho/TOVARI.HLP
    ${BINDIR}/tenho
    ${BINDIR}/tenho-score
    ${MANDIR}/man1/tenho.1.gz
    ${MANDIR}/man1/tenho-score.1.gz
    ${DOCDIR}/copyright
    ${DOCDIR}/changelog.gz
    ${DOCDIR}/changelog.Debian.gz
    ${DATADIR}/applications/${APP_ID}.desktop
    ${DATADIR}/metainfo/${APP_ID}.metainfo.xml
    ${DOCDIR}/index.html)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(f ${expected})
    if(NOT EXISTS ${STAGE}/${f})
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()

# The launcher is a relative link, so the tree works wherever it is unpacked.
if(NOT IS_SYMLINK ${STAGE}/${BINDIR}/tenho)
    message(FATAL_ERROR "${BINDIR}/tenho is not a link")
endif()
file(REAL_PATH ${STAGE}/${BINDIR}/tenho launched)
file(REAL_PATH ${STAGE}/${LIBEXECDIR}/tenho/tenho program)
if(NOT launched STREQUAL program)
    message(FATAL_ERROR "${BINDIR}/tenho leads to ${launched}, not ${program}")
endif()

execute_process(COMMAND ${STAGE}/${BINDIR}/tenho-score --help
                RESULT_VARIABLE result OUTPUT_VARIABLE usage)
if(NOT result EQUAL 0 OR NOT usage MATCHES "^usage: tenho-score")
    message(FATAL_ERROR "installed tenho-score --help: ${result}")
endif()

# The installed window program starts and keeps running (offscreen, with a
# lock folder of its own) until it is stopped.
file(MAKE_DIRECTORY ${STAGE}/runtime)
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        XDG_RUNTIME_DIR=${STAGE}/runtime ${STAGE}/${BINDIR}/tenho
                TIMEOUT 3 RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result MATCHES "timeout")
    message(FATAL_ERROR "installed tenho ended early: ${result}")
endif()
file(REMOVE_RECURSE ${STAGE})
