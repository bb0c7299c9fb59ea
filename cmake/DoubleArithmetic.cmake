# Every double operation of the build rounded once to double, which the
# formula tables' last bit depends on. 32-bit x86 computes in the x87 unit's
# extended precision unless told otherwise, and rounds twice; there the build
# chooses SSE2 arithmetic itself (-msse2 -mfpmath=sse: every processor that
# Debian's i386 runs on has SSE2). Flags that choose the arithmetic
# themselves are kept, and a build whose arithmetic is wider than double
# (FLT_EVAL_METHOD other than 0, as with -mfpmath=387) stops here, saying why.
include(CheckCXXSourceCompiles)

function(metrova_double_arithmetic target)
    check_cxx_source_compiles("#ifndef __i386__\n#error not 32-bit x86\n#endif\nint main() { return 0; }"
                              METROVA_TARGET_I386)
    set(CMAKE_REQUIRED_QUIET ON)
    if(METROVA_TARGET_I386 AND NOT CMAKE_CXX_FLAGS MATCHES "-mfpmath=")
        set(sse2 -msse2 -mfpmath=sse)
        target_compile_options(${target} INTERFACE ${sse2})
        set(CMAKE_REQUIRED_FLAGS "-msse2 -mfpmath=sse")
    endif()
    check_cxx_source_compiles(
        "#include <cfloat>\n#if FLT_EVAL_METHOD != 0\n#error wider than double\n#endif\nint main() { return 0; }"
        METROVA_DOUBLE_ARITHMETIC)
    if(NOT METROVA_DOUBLE_ARITHMETIC)
        unset(METROVA_DOUBLE_ARITHMETIC CACHE)
        message(FATAL_ERROR
            "Metrova needs every double operation rounded once to double (FLT_EVAL_METHOD 0), and this "
            "compiler with these flags (${CMAKE_CXX_FLAGS}) computes in a wider format, as the x87 unit does "
            "(-mfpmath=387), which would give other results in the last bit. On 32-bit x86 leave -mfpmath out "
            "of the flags: the build then chooses -msse2 -mfpmath=sse itself.")
    endif()
endfunction()

# The fused variant of the power's and the logarithm's fast paths
# (core/numeric/elementary.cpp): compiled where single functions can target
# the fused multiply-add and the processor can be asked at run time whether
# it has one, which GCC and clang do for x86-64, on Linux and with MinGW-w64
# alike. Elsewhere, and on the 32-bit and other processors of the CI legs,
# the plain variant alone. The rest of the build fuses nothing
# (-ffp-contract=off).
function(metrova_fused_variant target)
    string(CONCAT source
           "#ifndef __x86_64__\n#error not x86-64\n#endif\n"
           "[[gnu::target(\"fma\")]] double f(double a) { return __builtin_fma(a, a, a); }\n"
           "int main() { return __builtin_cpu_supports(\"fma\") ? static_cast<int>(f(0.0)) : 1; }\n")
    check_cxx_source_compiles("${source}" METROVA_FUSED_VARIANT)
    if(METROVA_FUSED_VARIANT)
        target_compile_definitions(${target} PRIVATE METROVA_FUSED_VARIANT)
    endif()
endfunction()
