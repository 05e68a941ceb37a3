# Fails when a file under CORE_DIR includes a Qt header or a project header
# outside core/ (every other folder of the project builds on Qt).
file(GLOB_RECURSE files ${CORE_DIR}/*.h ${CORE_DIR}/*.cpp)
set(offences)
foreach(file ${files})
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${lines})
    if(line MATCHES "#[ \t]*include[ \t]*<(Q|qt)" OR
       (line MATCHES "#[ \t]*include[ \t]*\"" AND NOT line MATCHES "#[ \t]*include[ \t]*\"(core/|Version\\.h)"))
      file(RELATIVE_PATH name ${CORE_DIR}/.. ${file})
      list(APPEND offences "${name}: ${line}")
    endif()
  endforeach()
endforeach()
if(offences)
  list(JOIN offences "\n  " text)
  message(FATAL_ERROR "core/ must build without Qt, but:\n  ${text}")
endif()
