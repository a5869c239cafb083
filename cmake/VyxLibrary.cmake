# Every folder of the program is a static library of its own that links exactly the folders it
# includes. A folder's headers are reachable only through the targets it is linked to, so an
# include of a folder that is not linked fails to build; and vyx_check_layers() refuses links
# that run round in a circle, which CMake would otherwise accept between static libraries.
#
#   vyx_library(name [PREFIXED] SOURCES...)
#
# A PREFIXED folder (the adapters under platform/) is included as "name/Header.h"; the others by
# the header's name alone.
function(vyx_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "PREFIXED" "" "")
  add_library(${name} STATIC ${arg_UNPARSED_ARGUMENTS})
  if(arg_PREFIXED)
    # A directory that holds this folder alone, under its own name.
    set(root ${CMAKE_BINARY_DIR}/include/${name})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
    target_include_directories(${name} PUBLIC ${root} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  else()
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  target_link_libraries(${name} PUBLIC vyx_warnings)
  set_property(GLOBAL APPEND PROPERTY VYX_LIBRARIES ${name})
endfunction()

# Fails the configuration when the links between the program's own libraries form a circle.
function(vyx_check_layers)
  get_property(libraries GLOBAL PROPERTY VYX_LIBRARIES)
  foreach(library IN LISTS libraries)
    get_target_property(links ${library} LINK_LIBRARIES)
    set(own)
    foreach(link IN LISTS links)
      if(link IN_LIST libraries)
        list(APPEND own ${link})
      endif()
    endforeach()
    set(links_of_${library} ${own})
  endforeach()
  # A library that can reach itself through the links closes a circle.
  foreach(start IN LISTS libraries)
    set(queue ${links_of_${start}})
    set(seen)
    while(queue)
      list(POP_FRONT queue current)
      if(current STREQUAL start)
        message(FATAL_ERROR "The libraries link round in a circle through ${start}")
      endif()
      if(NOT current IN_LIST seen)
        list(APPEND seen ${current})
        list(APPEND queue ${links_of_${current}})
      endif()
    endwhile()
  endforeach()
endfunction()
