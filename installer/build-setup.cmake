# Builds the setup program from the program folder (cmake -P, run by the target "setup").
# -D: MAKENSIS, SCRIPT (ornamo.nsi), PROGRAM_DIR, SOURCE_DIR, WORK_DIR, OUTFILE, VERSION,
#     DEPFILE (written for the build tool: every file the setup takes from the program
#     folder, so a changed or added sample or help file rebuilds it).
cmake_minimum_required(VERSION 3.16)

foreach(required ornamo.exe Pictra.dll)
  if(NOT EXISTS "${PROGRAM_DIR}/${required}")
    message(FATAL_ERROR "${PROGRAM_DIR}/${required} is missing: build the program first")
  endif()
endforeach()

# The samples are listed by name so that the uninstaller removes exactly what was installed.
file(GLOB templates LIST_DIRECTORIES false "${PROGRAM_DIR}/Samples/*.atp")
file(GLOB pictures LIST_DIRECTORIES false "${PROGRAM_DIR}/Samples/images/*.jpg")
set(install_lines "")
set(remove_lines "")
function(list_samples folder)
  if(NOT ARGN)
    return()
  endif()
  string(APPEND install_lines "  SetOutPath \"$INSTDIR\\${folder}\"\n")
  foreach(file IN LISTS ARGN)
    get_filename_component(name "${file}" NAME)
    string(APPEND install_lines "  File \"${file}\"\n")
    string(APPEND remove_lines "  Delete \"$INSTDIR\\${folder}\\${name}\"\n")
  endforeach()
  set(install_lines "${install_lines}" PARENT_SCOPE)
  set(remove_lines "${remove_lines}" PARENT_SCOPE)
endfunction()
list_samples("Samples" ${templates})
list_samples("Samples\\images" ${pictures})
file(MAKE_DIRECTORY "${WORK_DIR}")
set(samples_nsh "${WORK_DIR}/samples.nsh")
file(WRITE "${samples_nsh}"
  "; Written by installer/build-setup.cmake from ${PROGRAM_DIR}/Samples.\n"
  "!macro InstallSamples\n${install_lines}!macroend\n"
  "!macro RemoveSamples\n${remove_lines}!macroend\n")

# VIProductVersion wants four numbers.
string(REPLACE "." ";" numbers "${VERSION}")
list(LENGTH numbers count)
while(count LESS 4)
  list(APPEND numbers 0)
  math(EXPR count "${count} + 1")
endwhile()
list(JOIN numbers "." version4)

execute_process(
  COMMAND "${MAKENSIS}" -V2 -NOCD
          "-DVERSION=${VERSION}" "-DVERSION4=${version4}"
          "-DPROGRAM_DIR=${PROGRAM_DIR}" "-DSOURCE_DIR=${SOURCE_DIR}"
          "-DSAMPLES_NSH=${samples_nsh}" "-DOUTFILE=${OUTFILE}"
          "${SCRIPT}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${OUTFILE}")
  message(FATAL_ERROR "makensis failed (${result})")
endif()

# The folders are listed too: a sample or help file that appears changes their time.
set(inputs "${PROGRAM_DIR}/ornamo.exe" "${PROGRAM_DIR}/Pictra.dll" ${templates} ${pictures})
foreach(optional
    "${PROGRAM_DIR}" "${PROGRAM_DIR}/ornamo.chm" "${PROGRAM_DIR}/Samples"
    "${PROGRAM_DIR}/Samples/images")
  if(EXISTS "${optional}")
    list(APPEND inputs "${optional}")
  endif()
endforeach()
set(depfile_text "${OUTFILE}:")
foreach(input IN LISTS inputs)
  string(REPLACE " " "\\ " input "${input}")
  string(APPEND depfile_text " \\\n  ${input}")
endforeach()
file(WRITE "${DEPFILE}" "${depfile_text}\n")
