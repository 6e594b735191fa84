# Debian's hardening flags, as dpkg-buildflags hands them to every package
# build: _FORTIFY_SOURCE, the stack protector, format checks, and
# relocations made read-only and bound at start (relro, bind now). The build
# type keeps the optimisation and debug flags; instrumented builds
# (sanitizers, fuzzing) go without, as they bring their own checks.
option(HORONAMI_HARDENING "Build with Debian's hardening flags from dpkg-buildflags" ON)
if(NOT HORONAMI_HARDENING OR HORONAMI_SANITIZE OR HORONAMI_FUZZ)
  return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env
            "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
            "DEB_CXXFLAGS_MAINT_STRIP=-g -O2"
            ${DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(debian_${kind} UNIX_COMMAND "${flags}")
endforeach()
string(JOIN " " shown ${debian_CPPFLAGS} ${debian_CXXFLAGS} ${debian_LDFLAGS})
message(STATUS "Debian's hardening flags: ${shown}")

# _FORTIFY_SOURCE needs an optimising build.
target_compile_options(horonami_options INTERFACE
  "$<$<NOT:$<CONFIG:Debug>>:${debian_CPPFLAGS}>" ${debian_CXXFLAGS})
target_link_options(horonami_options INTERFACE ${debian_LDFLAGS})
