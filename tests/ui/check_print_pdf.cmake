# The design sheet without the window: `velmora --print-pdf FILE DESIGN` on the
# offscreen platform writes a PDF of one or two A4 pages that holds the design's
# name, its wire kind and the turns of its windings as text (poppler-utils read it).
# -DVELMORA=<program> -DWORK=<dir>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(design ${WORK}/bench.sav)
file(WRITE ${design}
  "core\t= 2\r\nlst\t= 25\r\nhst\t= 32\r\nlok\t= 25\r\nhok\t= 40\r\nhkar\t= 27.0\r\nhkar1\t= 34.0\r\n"
  "lkar\t= 38.0\r\nmegsl\t= 0.1\r\nmegob\t= 0.3\r\nrazmery\t= 0\r\nBm\t= 1.5\r\nj\t= 3.5\r\nF\t= 50\r\n"
  "U1nom\t= 220\r\nU1max\t= 253\r\nU2_1\t= 24\r\nU2_2\t= 12\r\nU2_3\t= \r\nU2_4\t= \r\nU2_5\t= \r\n"
  "I2_1\t= 1\r\nI2_2\t= 0.5\r\nI2_3\t= \r\nI2_4\t= \r\nI2_5\t= \r\ndouble2_1\t= 0\r\ndouble2_2\t= 0\r\n"
  "double2_3\t= 0\r\ndouble2_4\t= 0\r\ndouble2_5\t= 0\r\nd11\t= 0.450\r\nd21\t= 1.400\r\nd22\t= \r\n"
  "d23\t= \r\nd24\t= \r\nd25\t= \r\nuse_d\t= 0\r\nConductor\t= AWG single\r\n")
set(pdf ${WORK}/bench.pdf)
execute_process(COMMAND ${VELMORA} --print-pdf ${pdf} ${design}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS ${pdf})
  message(FATAL_ERROR "velmora --print-pdf failed (${rc}):\n${out}${err}")
endif()
execute_process(COMMAND pdfinfo ${pdf} RESULT_VARIABLE rc OUTPUT_VARIABLE info ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pdfinfo (poppler-utils) refused the sheet (${rc}): ${err}")
endif()
if(NOT info MATCHES "Pages: +[12]\n" OR NOT info MATCHES "\\(A4\\)")
  message(FATAL_ERROR "not one or two A4 pages:\n${info}")
endif()
execute_process(COMMAND pdftotext -layout ${pdf} - RESULT_VARIABLE rc OUTPUT_VARIABLE text)
foreach(expected "bench.sav" "AWG single")
  string(FIND "${text}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "\"${expected}\" missing from the sheet:\n${text}")
  endif()
endforeach()
# The turns of the primary and of both secondaries in their row.
if(NOT text MATCHES "Количество витков +[0-9]+ +[0-9]+ +[0-9]+")
  message(FATAL_ERROR "no turns of three windings on the sheet:\n${text}")
endif()
execute_process(COMMAND pdftoppm -png -r 80 -f 1 -singlefile ${pdf} ${WORK}/bench)
