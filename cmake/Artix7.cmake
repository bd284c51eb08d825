# Shared build helpers.

set(ARTIX7_WARNINGS -Wall -Wextra -Werror)

# artix7_subsystem(NAME DEPS dep...) builds every .cpp of the current folder into the
# static library artix7_<NAME>; a folder without sources becomes an interface library.
function(artix7_subsystem NAME)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(artix7_${NAME} STATIC ${sources})
    target_compile_options(artix7_${NAME} PRIVATE ${ARTIX7_WARNINGS})
    target_include_directories(artix7_${NAME} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(artix7_${NAME} PUBLIC ${ARG_DEPS})
  else()
    add_library(artix7_${NAME} INTERFACE)
    target_include_directories(artix7_${NAME} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(artix7_${NAME} INTERFACE ${ARG_DEPS})
  endif()
endfunction()
