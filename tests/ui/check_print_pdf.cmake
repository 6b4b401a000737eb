# The design sheet without the window: `velmora --print-pdf FILE DESIGN` on the
# offscreen platform writes, for a design of every core kind, a PDF of one or two A4
# pages that holds the design's name without its extension, its wire kind, the turns
# of its windings and the dimensions by the names of its kind, as text (poppler-utils
# read it); a picture of each first page is left beside it to look at.
# -DVELMORA=<program> -DWORK=<dir>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# kind|lst|hst|lok|hok|hkar|hkar1|lkar: a ring keeps D, d, H in lst, hst, lok.
set(kinds
  "0|100|60|40|40|22.0|42.0|38.0"
  "1|20|40|25|50|22.0|42.0|48.0"
  "2|25|32|25|40|27.0|34.0|38.0"
  "3|25|32|25|40|27.0|34.0|38.0"
  "4|20|40|25|50|22.0|42.0|48.0")
foreach(row IN LISTS kinds)
  string(REPLACE "|" ";" v "${row}")
  list(GET v 0 core)
  list(GET v 1 lst)
  list(GET v 2 hst)
  list(GET v 3 lok)
  list(GET v 4 hok)
  list(GET v 5 hkar)
  list(GET v 6 hkar1)
  list(GET v 7 lkar)
  set(name bench${core})
  set(design ${WORK}/${name}.sav)
  file(WRITE ${design}
    "core\t= ${core}\r\nlst\t= ${lst}\r\nhst\t= ${hst}\r\nlok\t= ${lok}\r\nhok\t= ${hok}\r\nhkar\t= ${hkar}\r\n"
    "hkar1\t= ${hkar1}\r\nlkar\t= ${lkar}\r\nmegsl\t= 0.1\r\nmegob\t= 0.3\r\nrazmery\t= 0\r\nBm\t= 1.5\r\nj\t= 3.5\r\n"
    "F\t= 50\r\nU1nom\t= 220\r\nU1max\t= 253\r\nU2_1\t= 24\r\nU2_2\t= 12\r\nU2_3\t= \r\nU2_4\t= \r\nU2_5\t= \r\n"
    "I2_1\t= 1\r\nI2_2\t= 0.5\r\nI2_3\t= \r\nI2_4\t= \r\nI2_5\t= \r\ndouble2_1\t= 0\r\ndouble2_2\t= 0\r\n"
    "double2_3\t= 0\r\ndouble2_4\t= 0\r\ndouble2_5\t= 0\r\nd11\t= 0.450\r\nd21\t= 1.400\r\nd22\t= \r\n"
    "d23\t= \r\nd24\t= \r\nd25\t= \r\nuse_d\t= 0\r\nConductor\t= AWG single\r\n")
  set(pdf ${WORK}/${name}.pdf)
  execute_process(COMMAND ${VELMORA} --print-pdf ${pdf} ${design}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT EXISTS ${pdf})
    message(FATAL_ERROR "velmora --print-pdf failed for kind ${core} (${rc}):\n${out}${err}")
  endif()
  execute_process(COMMAND pdfinfo ${pdf} RESULT_VARIABLE rc OUTPUT_VARIABLE info ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pdfinfo (poppler-utils) refused the sheet (${rc}): ${err}")
  endif()
  if(NOT info MATCHES "Pages: +[12]\n" OR NOT info MATCHES "\\(A4\\)")
    message(FATAL_ERROR "kind ${core}: not one or two A4 pages:\n${info}")
  endif()
  execute_process(COMMAND pdftotext -layout ${pdf} - RESULT_VARIABLE rc OUTPUT_VARIABLE text)
  if(core EQUAL 0)
    set(present "D, мм" "d, мм" "H, мм")
    set(absent "Ls, мм" "Hs, мм" "Lok, мм" "Hok, мм" "Длина каркаса")
  else()
    set(present "Ls, мм" "Hs, мм" "Lok, мм" "Hok, мм" "Длина каркаса")
    set(absent "D, мм" "H, мм")
  endif()
  foreach(expected ${name} "AWG single" "Ширина и высота каркаса" ${present})
    string(FIND "${text}" "${expected}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "kind ${core}: \"${expected}\" missing from the sheet:\n${text}")
    endif()
  endforeach()
  foreach(unexpected "${name}.sav" ${absent})
    string(FIND "${text}" "${unexpected}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "kind ${core}: \"${unexpected}\" on the sheet:\n${text}")
    endif()
  endforeach()
  # The bobbin's width and height in one row, not twice.
  string(REGEX MATCHALL "Ширина и высота каркаса" bobbin "${text}")
  list(LENGTH bobbin n)
  if(NOT n EQUAL 1)
    message(FATAL_ERROR "kind ${core}: the bobbin row ${n} times:\n${text}")
  endif()
  # The turns of the primary and of both secondaries in their row.
  if(NOT text MATCHES "Количество витков +[0-9]+ +[0-9]+ +[0-9]+")
    message(FATAL_ERROR "kind ${core}: no turns of three windings on the sheet:\n${text}")
  endif()
  execute_process(COMMAND pdftoppm -png -r 60 ${pdf} ${WORK}/${name})
endforeach()
