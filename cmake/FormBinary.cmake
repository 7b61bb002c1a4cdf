# Helpers for writing binary properties into form descriptions (used by the splicing scripts).

# grv_le32_hex(VALUE OUT): the value as 4 bytes, least significant first, in hexadecimal digits.
function(grv_le32_hex value out)
  set(bytes "")
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${value} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
    string(REPLACE "0x" "" byte "${byte}")
    string(LENGTH "${byte}" len)
    if(len EQUAL 1)
      set(byte "0${byte}")
    endif()
    string(APPEND bytes "${byte}")
  endforeach()
  set(${out} "${bytes}" PARENT_SCOPE)
endfunction()

# grv_hex_lines(DIGITS INDENT OUT): upper-case hexadecimal digits cut into lines of 64, as form
# descriptions keep binary data; every line after the first starts with INDENT.
function(grv_hex_lines digits indent out)
  string(TOUPPER "${digits}" digits)
  string(REPEAT "[0-9A-F]" 64 line)
  string(REGEX REPLACE "(${line})" "\\1\n${indent}" lines "${digits}")
  string(REGEX REPLACE "\n${indent}$" "" lines "${lines}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()
