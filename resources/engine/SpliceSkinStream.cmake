# Puts a packed skin into a form description as the skin data component's "SkinStream" property.
#   cmake -DFORM_IN=desc.txt -DPACKAGE=skin.pkg -DCOMPONENT=SkinData1 -DFORM_OUT=out.txt -P SpliceSkinStream.cmake
# The property holds a 32-bit little-endian byte count followed by the package's bytes, written as
# hexadecimal binary data just before the `end` of the component's object block. A SkinStream the
# description already holds for that component is replaced.
cmake_minimum_required(VERSION 3.25)
foreach(var FORM_IN PACKAGE COMPONENT FORM_OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "SpliceSkinStream: ${var} is not given")
  endif()
endforeach()

file(READ "${PACKAGE}" package HEX)
string(LENGTH "${package}" digits)
math(EXPR size "${digits} / 2")

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/FormBinary.cmake)
grv_le32_hex(${size} count)
set(data "${count}${package}")

file(READ "${FORM_IN}" form)
string(REGEX MATCH "\n([ \t]*)object ${COMPONENT}[ \t]*:[ \t]*TSkinData[ \t]*\r?\n" header "${form}")
if(NOT header)
  message(FATAL_ERROR "SpliceSkinStream: no 'object ${COMPONENT}: TSkinData' in ${FORM_IN}")
endif()
set(indent "${CMAKE_MATCH_1}")
string(FIND "${form}" "${header}" start)
string(LENGTH "${header}" headerLength)
math(EXPR bodyStart "${start} + ${headerLength}")
string(SUBSTRING "${form}" 0 ${bodyStart} before)
string(SUBSTRING "${form}" ${bodyStart} -1 rest)
# The component's own block ends at the first `end` line with its indentation.
string(REGEX MATCH "(^|\n)${indent}end[ \t]*(\r?\n|$)" endLine "${rest}")
if(NOT endLine)
  message(FATAL_ERROR "SpliceSkinStream: the block of ${COMPONENT} has no end")
endif()
string(FIND "${rest}" "${endLine}" endAt)
string(SUBSTRING "${rest}" 0 ${endAt} body)
string(SUBSTRING "${rest}" ${endAt} -1 after)
if(endAt GREATER 0)
  string(APPEND body "\n") # the matched end line starts with the newline
endif()
# Drop a SkinStream written earlier.
string(REGEX REPLACE "[ \t]*SkinStream[ \t]*=[ \t]*{[0-9A-Fa-f \t\r\n]*}[ \t]*\r?\n" "" body "${body}")

grv_hex_lines("${data}" "${indent}    " lines)
set(property "${indent}  SkinStream = {\n${indent}    ${lines}}")
string(REGEX REPLACE "\n$" "" body "${body}")
if(body STREQUAL "")
  set(spliced "${before}${property}${after}")
else()
  set(spliced "${before}${body}\n${property}${after}")
endif()
file(WRITE "${FORM_OUT}.tmp" "${spliced}")
file(RENAME "${FORM_OUT}.tmp" "${FORM_OUT}")
