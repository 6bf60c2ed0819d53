# The floor checker on a made-up tree of two floors, `low` under `high`:
#   cmake -DCHECKER=<cmake/CheckFloors.cmake> -DWORK=<scratch folder> -P CheckFloorsTest.cmake
cmake_minimum_required(VERSION 3.22)

set(tree "${WORK}/tree")
file(REMOVE_RECURSE "${tree}")

# Runs the checker over the whole made-up tree with `table`; `expect` is
# PASS, or a pattern that the failure output must match.
function(check what table expect)
  execute_process(COMMAND "${CMAKE_COMMAND}" "-DROOT=${tree}" "-DTABLE=${tree}/${table}" -P "${CHECKER}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(expect STREQUAL "PASS")
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "${what}: the check should pass, but it said:\n${out}")
    endif()
  elseif(result EQUAL 0)
    message(FATAL_ERROR "${what}: the check should fail, but it passed")
  elseif(NOT out MATCHES "${expect}")
    message(FATAL_ERROR "${what}: the failure should match '${expect}', but it said:\n${out}")
  endif()
endfunction()

file(WRITE "${tree}/floors.cmake" "sortarium_floor(low)\nsortarium_floor(high low)\nsortarium_floor(unbuilt high)\n")
file(WRITE "${tree}/low/Low.h" "#pragma once\n#include <vector>\n#include \"Low2.h\"\n")
file(WRITE "${tree}/low/Low2.h" "#pragma once\n")
file(WRITE "${tree}/high/High.h" "#pragma once\n\n#include \"low/Low.h\"\n#include \"generated.h\"\n")
check("includes that go down, beside, or out of the tree" floors.cmake PASS)

file(WRITE "${tree}/low/Low.cpp" "#include \"low/Low.h\"\nint x[2]; // [;\\\n\n#include \"high/High.h\"\n")
check("an include that climbs" floors.cmake "low/Low.cpp:4: #include \"high/High.h\" reaches into high, but low may include only its own files")
file(REMOVE "${tree}/low/Low.cpp")

file(WRITE "${tree}/stray/Stray.h" "#pragma once\n")
check("a folder of sources with no row" floors.cmake "stray holds sources but has no row")
file(REMOVE_RECURSE "${tree}/stray")

file(WRITE "${tree}/cycle.cmake" "sortarium_floor(low high)\nsortarium_floor(high low)\n")
check("floors that include each other" cycle.cmake "cycle among: low, high")
