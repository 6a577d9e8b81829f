# fretquill_embed_artwork(<target>): the program's pictures (drawn at build time by
# tools/make_artwork) become Qt resources of <target>, loadable as ":/pictures/<name>.png"
# and ":/pictures/<name>@2x.png" / "@3x.png".
#
# An executable gets the compiled resources itself. A static library hands them on to
# whatever links it (a static library's unreferenced resource object would be dropped by
# the linker), so both the program and a library's tests see the pictures.
include_guard(GLOBAL)

function(fretquill_embed_artwork target)
  if(NOT TARGET fq_artwork)
    message(FATAL_ERROR "fretquill_embed_artwork(${target}): the artwork generator is not part of this build")
  endif()
  get_target_property(_type ${target} TYPE)
  if(_type STREQUAL "STATIC_LIBRARY" OR _type STREQUAL "INTERFACE_LIBRARY" OR _type STREQUAL "OBJECT_LIBRARY")
    target_sources(${target} INTERFACE $<TARGET_OBJECTS:fq_artwork>)
  else()
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:fq_artwork>)
  endif()
  if(NOT _type STREQUAL "INTERFACE_LIBRARY")
    add_dependencies(${target} fretquill_artwork)
  endif()
endfunction()
