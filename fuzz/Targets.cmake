# The fuzz targets, each with its source and the libraries it needs: the libFuzzer build
# (fuzz/) and the corpus replay in the normal build (tests/fuzz/) both walk this one list.
# zandor_fuzz_targets(FN) calls FN(name source LIBS ...) once per target.
function(zandor_fuzz_targets fn)
  cmake_language(CALL ${fn} ini FuzzIni.cpp LIBS zstore zsaves)
  cmake_language(CALL ${fn} money FuzzMoney.cpp LIBS zstore)
  cmake_language(CALL ${fn} integer FuzzInteger.cpp LIBS zstore)
  cmake_language(CALL ${fn} bmp FuzzBmp.cpp LIBS zface)
  cmake_language(CALL ${fn} wav FuzzWav.cpp LIBS zaudio zplatform)
  cmake_language(CALL ${fn} midi FuzzMidi.cpp LIBS zplatform)
endfunction()
