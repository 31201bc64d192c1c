# The compile rules of every target of ours, in three parts, shared by the program's
# build and the fuzzing build. Rules are set per target, never globally.

option(QUORBEL_WERROR "Treat every compiler warning in our code as an error" OFF)

# Warnings: all the useful ones, as errors when QUORBEL_WERROR is set (CI does).
function(quorbel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(QUORBEL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Numbers must be reproducible to the last printed digit: no fused multiply-add, no
# reassociation.
function(quorbel_exact_numbers target)
  target_compile_options(${target} PRIVATE -ffp-contract=off -fno-fast-math)
endfunction()

# AddressSanitizer and UndefinedBehaviorSanitizer when QUORBEL_SANITIZE is set.
# float-cast-overflow is not part of "undefined": a double of 1e20 converted to int
# would go unreported. Every finding stops the program.
function(quorbel_sanitizers target)
  if(QUORBEL_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined,float-cast-overflow)
  endif()
endfunction()

# All three, for a target of ours.
function(quorbel_build_rules target)
  quorbel_warnings(${target})
  quorbel_exact_numbers(${target})
  quorbel_sanitizers(${target})
endfunction()
