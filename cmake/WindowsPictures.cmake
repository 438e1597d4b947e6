# The program's pictures as resources of a Windows program file.
#
# veltrane_windows_pictures(RC_FILE ICO_FILE) writes, at build time:
#   RC_FILE   one RCDATA resource for each picture of resources/images.qrc, named after its alias
#             in upper case with "/", "@", "." and "-" turned into "_" ("bitmaps/en/147@2x.png"
#             is BITMAPS_EN_147_2X_PNG); ui/win32/Pictures.cpp finds them by the same rule;
#   ICO_FILE  the program's icon, from its PNG pictures at 16, 32, 48 and 256 pixels.
# Both are outputs of custom commands of the calling folder: a resource script of that folder
# that includes them lists them in its OBJECT_DEPENDS, and is compiled again when a picture
# changes. The list of pictures is read from the qrc when CMake runs, and CMake runs again when
# the qrc changes.
#
# Run as a script (cmake -DQRC=... -DOUTPUT=... -P WindowsPictures.cmake), it writes RC_FILE.

function(_veltrane_read_pictures qrc out_names out_files)
  file(READ ${qrc} text)
  string(REGEX MATCHALL "<file alias=\"[^\"]+\">[^<]+</file>" entries "${text}")
  # The resources are named after the aliases: a picture listed without one would be left out.
  string(REGEX MATCHALL "<file[ >]" all "${text}")
  list(LENGTH entries named)
  list(LENGTH all listed)
  if(NOT named EQUAL listed)
    message(FATAL_ERROR "${qrc}: ${listed} pictures, but ${named} in the form <file alias=\"...\">")
  endif()
  get_filename_component(qrc_dir ${qrc} DIRECTORY)
  set(names)
  set(files)
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE "<file alias=\"([^\"]+)\">([^<]+)</file>" "\\1" alias "${entry}")
    string(REGEX REPLACE "<file alias=\"([^\"]+)\">([^<]+)</file>" "\\2" path "${entry}")
    string(TOUPPER "${alias}" name)
    string(REGEX REPLACE "[/@.-]" "_" name "${name}")
    list(APPEND names ${name})
    list(APPEND files ${qrc_dir}/${path})
  endforeach()
  if(NOT names)
    message(FATAL_ERROR "No pictures are listed in ${qrc}")
  endif()
  set(${out_names} ${names} PARENT_SCOPE)
  set(${out_files} ${files} PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  _veltrane_read_pictures(${QRC} names files)
  set(text "// The program's pictures, written from resources/images.qrc at build time.\n")
  foreach(name file IN ZIP_LISTS names files)
    if(NOT EXISTS ${file})
      message(FATAL_ERROR "${QRC} lists ${file}, which is not there")
    endif()
    string(APPEND text "${name} RCDATA \"${file}\"\n")
  endforeach()
  file(WRITE ${OUTPUT} "${text}")
  return()
endif()

find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(veltrane_windows_pictures rc_file ico_file)
  set(qrc ${PROJECT_SOURCE_DIR}/resources/images.qrc)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${qrc})
  _veltrane_read_pictures(${qrc} names files)
  add_custom_command(
    OUTPUT ${rc_file}
    COMMAND ${CMAKE_COMMAND} -DQRC=${qrc} -DOUTPUT=${rc_file} -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    DEPENDS ${qrc} ${files} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    COMMENT "Listing the pictures as resources"
    VERBATIM)

  set(images ${PROJECT_SOURCE_DIR}/resources/images)
  set(sizes ${images}/icon128-16.png ${images}/128.png ${images}/icon128-48.png
            ${images}/icon128-256.png)
  set(script ${PROJECT_SOURCE_DIR}/scripts/make-ico.py)
  add_custom_command(
    OUTPUT ${ico_file}
    COMMAND Python3::Interpreter ${script} ${ico_file} ${sizes}
    DEPENDS ${script} ${sizes}
    COMMENT "Making the program's icon"
    VERBATIM)
endfunction()
