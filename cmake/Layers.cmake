# Each layer is one static library built from every .cpp in its folder, so adding a file needs no
# edit here. Only the layers given EXTRA_INCLUDES see those headers; the others cannot include them.
function(th_layer name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;EXTRA_INCLUDES;EXTRA_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_EXTRA_INCLUDES)
    target_include_directories(${name} PRIVATE ${ARG_EXTRA_INCLUDES})
  endif()
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_EXTRA_LIBS})
endfunction()
