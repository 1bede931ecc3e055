# Turns the IAGA table of IGRF coefficients into C++ initialisers, which
# src/geo/magnetic_field.cpp includes: the program carries the model and reads
# no file for it at run time.
#   cmake -DTABLE=data/igrf14coeffs.txt -DOUTPUT=igrf_coefficients.inc -P igrf_coefficients.cmake
# The table: comment lines ("#"), the line of model names ("c/s ..."), the line
# "g/h n m" with the epochs and the heading of the secular-variation column,
# then one line per coefficient: g or h, degree n, order m, its value at each
# epoch (nT) and its yearly change after the last epoch (nT/year).
# Writes kEpochYears[] and kTableRows[] = {kind, n, m, {values}, change}.

set(number "^-?[0-9]+(\\.[0-9]*)?$")
file(STRINGS "${TABLE}" lines)
set(epochs "")
set(rows "")
foreach(line IN LISTS lines)
  string(STRIP "${line}" line)
  if(line STREQUAL "" OR line MATCHES "^#" OR line MATCHES "^c/s")
    continue()
  endif()
  string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
  list(POP_FRONT fields kind)
  if(kind STREQUAL "g/h")
    list(SUBLIST fields 2 -1 epochs)
    list(POP_BACK epochs)  # the heading of the secular-variation column
    list(LENGTH epochs epoch_count)
    continue()
  endif()
  list(LENGTH fields field_count)
  math(EXPR expected "${epoch_count} + 3")
  if(NOT kind MATCHES "^[gh]$" OR NOT field_count EQUAL expected)
    message(FATAL_ERROR "${TABLE}: unexpected line: ${line}")
  endif()
  foreach(value IN LISTS fields)
    if(NOT value MATCHES "${number}")
      message(FATAL_ERROR "${TABLE}: not a number (${value}) in: ${line}")
    endif()
  endforeach()
  list(POP_FRONT fields degree order)
  list(POP_BACK fields change)
  list(JOIN fields ", " values)
  string(APPEND rows "    {'${kind}', ${degree}, ${order}, {${values}}, ${change}},\n")
endforeach()
if(epochs STREQUAL "" OR rows STREQUAL "")
  message(FATAL_ERROR "${TABLE}: no epochs or no coefficients")
endif()

list(JOIN epochs ", " epoch_list)
get_filename_component(table_name "${TABLE}" NAME)
file(WRITE "${OUTPUT}"
     "// Generated from ${table_name} by cmake/igrf_coefficients.cmake: do not edit.\n"
     "constexpr double kEpochYears[] = {${epoch_list}};\n"
     "constexpr TableRow kTableRows[] = {\n${rows}};\n")
