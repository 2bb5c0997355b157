# Installs the build into a fresh prefix and checks the desktop integration: the programs, a desktop
# entry that opens ".qrl" files, the shared-mime-info type "Quorril Document" for *.qrl and for the
# encrypted container's magic, the icons, the AppStream file, the manual pages and the documents.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

foreach(path
    bin/quorril
    share/applications/quorril.desktop
    share/mime/packages/quorril.xml
    share/icons/hicolor/scalable/apps/quorril.svg
    share/icons/hicolor/scalable/mimetypes/application-x-quorril.svg
    bin/quorril-cli
    share/metainfo/com.tarnwell.Quorril.metainfo.xml
    share/doc/quorril/copyright)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

# The manual pages and the changelog gzipped as `gzip -n -9` does: no file name, no time stamp (bytes 3
# to 7 zero), best compression (byte 8 is 2).
foreach(path share/man/man1/quorril.1.gz share/man/man1/quorril-cli.1.gz share/doc/quorril/changelog.gz)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
  file(READ "${PREFIX}/${path}" header LIMIT 9 HEX)
  if(NOT header STREQUAL "1f8b08000000000002")
    message(FATAL_ERROR "${path} is not gzipped with -n -9: its header is ${header}")
  endif()
endforeach()

file(READ "${PREFIX}/share/applications/quorril.desktop" entry)
foreach(line "Type=Application" "Name=Quorril" "Exec=quorril %f" "Icon=quorril" "MimeType=application/x-quorril;")
  string(FIND "${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks the line: ${line}")
  endif()
endforeach()

file(READ "${PREFIX}/share/mime/packages/quorril.xml" mime)
foreach(part "<mime-type type=\"application/x-quorril\">" "<comment>Quorril Document</comment>"
             "<glob pattern=\"*.qrl\"/>" "<icon name=\"application-x-quorril\"/>")
  string(FIND "${mime}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "mime type lacks: ${part}")
  endif()
endforeach()

# Where shared-mime-info is present, the install step registered the type in the prefix.
find_program(update_mime update-mime-database)
if(update_mime AND NOT EXISTS "${PREFIX}/share/mime/application/x-quorril.xml")
  message(FATAL_ERROR "the mime database of the prefix does not know application/x-quorril")
endif()
# ... and its magic rule: the 14 bytes an encrypted wallet begins with, as the database holds them.
if(update_mime)
  file(READ "${PREFIX}/share/mime/magic" magic HEX)
  string(FIND "${magic}" "8951524c0d0a1a0afffefffffeff" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the mime database lacks the encrypted wallet's magic")
  endif()
endif()
message(STATUS "desktop integration installed under ${PREFIX}")
