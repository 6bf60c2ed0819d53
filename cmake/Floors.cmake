# The floors of the house: for every folder of sources, the folders its files
# may include besides their own. Includes only go down; cmake/CheckFloors.cmake
# refuses a table with a cycle. The build checks each library's folders before
# compiling it, and ctest checks the whole tree, where a folder of sources
# without a row fails too: a new folder takes its place here first. A row may
# name a folder that does not exist yet.
#
#   sortarium_floor(<folder> <folders it may include> …)

# --- the framework, bottom to top ---
sortarium_floor(framework/base)
sortarium_floor(framework/resources    framework/base)
sortarium_floor(framework/graphics     framework/base)

# The windowing floor: the message constants, the backend interface with its
# event sink, and the components, input, timers and clock built on them.
sortarium_floor(framework/messages     framework/base)
sortarium_floor(framework/backend      framework/base framework/graphics framework/messages)
sortarium_floor(framework/components   framework/base framework/graphics framework/messages framework/backend)

sortarium_floor(framework/stdctrls     framework/base framework/graphics framework/messages framework/backend
                                       framework/components)
sortarium_floor(framework/streaming    framework/base framework/resources framework/graphics framework/messages
                                       framework/backend framework/components framework/stdctrls)

# The backends implement the interface and see no component: they reach the
# windowing floor only through the sink.
sortarium_floor(framework/backend/headless  framework/base framework/graphics framework/messages framework/backend)
sortarium_floor(framework/backend/sdl       framework/base framework/graphics framework/messages framework/backend)

set(framework_floors
  framework/base framework/resources framework/graphics framework/messages framework/backend
  framework/components framework/stdctrls framework/streaming)
# Only what starts the program picks its backend.
set(framework_with_backends ${framework_floors} framework/backend/headless framework/backend/sdl)

# --- the skin and everything above it ---
# The pixel floor: bitmaps and colours in, pixels out.
sortarium_floor(skin/pixels            framework/base framework/graphics)
sortarium_floor(skin                   ${framework_floors} skin/pixels)
sortarium_floor(archives               ${framework_floors})
sortarium_floor(controls               ${framework_floors} skin skin/pixels)
sortarium_floor(app                    ${framework_with_backends} skin skin/pixels archives controls)
sortarium_floor(tools/sortarium-script ${framework_with_backends} skin skin/pixels archives controls app)
sortarium_floor(tools/skin-art         ${framework_with_backends} skin skin/pixels archives controls app)

# Tests, benchmarks and fuzz targets reach wherever they must.
sortarium_floor_unchecked(tests bench fuzz)
