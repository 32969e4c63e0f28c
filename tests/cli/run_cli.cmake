# SPDX-License-Identifier: GPL-3.0-or-later
# Runs kelvane-cli once and checks what it did.
#   cmake -DCLI=<program> -DWORK=<folder> -DEXIT=<status> [-DERR_IS=<text>]
#         [-DERR_HAS=<text>] [-DSIZE=<file>:<bytes>] -P run_cli.cmake -- <arguments>
# WORK is made empty first; the arguments may name files in it as @WORK@.
# ERR_IS is the whole standard error output (a newline is added when it is not
# empty), ERR_HAS a part of it.
cmake_minimum_required(VERSION 3.16)

set(arguments)
set(collect OFF)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(collect)
    string(REPLACE "@WORK@" "${WORK}" argument "${CMAKE_ARGV${i}}")
    list(APPEND arguments "${argument}")
  elseif(CMAKE_ARGV${i} STREQUAL "--")
    set(collect ON)
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${CLI}" ${arguments}
  WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)

if(NOT status STREQUAL EXIT)
  message(FATAL_ERROR "exit status ${status}, expected ${EXIT}; standard error:\n${err}")
endif()
if(DEFINED ERR_IS)
  string(REPLACE "@WORK@" "${WORK}" expected "${ERR_IS}")
  if(NOT expected STREQUAL "")
    string(APPEND expected "\n")
  endif()
  if(NOT err STREQUAL expected)
    message(FATAL_ERROR "standard error:\n[${err}]\nexpected:\n[${expected}]")
  endif()
endif()
if(DEFINED ERR_HAS)
  string(FIND "${err}" "${ERR_HAS}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "standard error lacks \"${ERR_HAS}\":\n${err}")
  endif()
endif()
if(DEFINED SIZE)
  string(REGEX REPLACE ":[0-9]+$" "" file "${SIZE}")
  string(REGEX REPLACE "^.*:" "" bytes "${SIZE}")
  file(SIZE "${WORK}/${file}" actual)
  if(NOT actual EQUAL bytes)
    message(FATAL_ERROR "${file} is ${actual} bytes, expected ${bytes}")
  endif()
endif()
