# -D_FORTIFY_SOURCE=2, as Debian builds its packages, where the toolchain does
# not set it by itself. Some compilers predefine it whenever they optimise, and
# a second definition is a warning (an error under -Werror); glibc warns when
# it is set without optimisation, so Debug builds never get it. The checks
# compile with this build type's flags and run anew at each configure, since
# the build type or the flags may have changed since the last one.
include(CheckCXXSourceCompiles)

function(metrova_fortify target)
    set(CMAKE_TRY_COMPILE_CONFIGURATION "${CMAKE_BUILD_TYPE}")
    set(CMAKE_REQUIRED_QUIET ON)
    unset(METROVA_OPTIMISED CACHE)
    unset(METROVA_FORTIFY_PREDEFINED CACHE)
    check_cxx_source_compiles("#ifndef __OPTIMIZE__\n#error not optimised\n#endif\nint main() { return 0; }"
                              METROVA_OPTIMISED)
    check_cxx_source_compiles("#ifndef _FORTIFY_SOURCE\n#error not set\n#endif\nint main() { return 0; }"
                              METROVA_FORTIFY_PREDEFINED)
    if(CMAKE_BUILD_TYPE STREQUAL "Debug")
        message(STATUS "_FORTIFY_SOURCE: not set in a Debug build")
    elseif(NOT METROVA_OPTIMISED)
        message(STATUS "_FORTIFY_SOURCE: not set, the flags of build type '${CMAKE_BUILD_TYPE}' do not optimise")
    elseif(METROVA_FORTIFY_PREDEFINED)
        message(STATUS "_FORTIFY_SOURCE: already set by the compiler or CMAKE_CXX_FLAGS, kept as it is")
    else()
        message(STATUS "_FORTIFY_SOURCE: -D_FORTIFY_SOURCE=2")
        target_compile_definitions(${target} INTERFACE _FORTIFY_SOURCE=2)
    endif()
endfunction()
