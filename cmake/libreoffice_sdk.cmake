# Where the LibreOffice SDK (libreoffice-dev) and LibreOffice's own type
# libraries lie; KALKORA_LO_SDK_FOUND tells whether all of it is there, which
# is the default of the option KALKORA_LIBREOFFICE. libreoffice/ builds the
# backend from these.
set(KALKORA_LO_PROGRAM_DIR /usr/lib/libreoffice/program CACHE PATH "LibreOffice's program folder")
set(KALKORA_LO_SDK_DIR /usr/lib/libreoffice/sdk CACHE PATH "LibreOffice SDK folder")
find_program(KALKORA_LO_CPPUMAKER cppumaker PATHS ${KALKORA_LO_SDK_DIR}/bin NO_DEFAULT_PATH)
find_path(KALKORA_LO_INCLUDE_DIR sal/config.h PATHS /usr/include/libreoffice ${KALKORA_LO_SDK_DIR}/include)
find_file(KALKORA_LO_TYPES types.rdb PATHS ${KALKORA_LO_PROGRAM_DIR} NO_DEFAULT_PATH)
find_file(KALKORA_LO_OFFAPI offapi.rdb PATHS ${KALKORA_LO_PROGRAM_DIR}/types NO_DEFAULT_PATH)
find_library(KALKORA_LO_CPPU uno_cppu PATHS ${KALKORA_LO_SDK_DIR}/lib NO_DEFAULT_PATH)
find_library(KALKORA_LO_CPPUHELPER uno_cppuhelpergcc3 PATHS ${KALKORA_LO_SDK_DIR}/lib NO_DEFAULT_PATH)
find_library(KALKORA_LO_SAL uno_sal PATHS ${KALKORA_LO_SDK_DIR}/lib NO_DEFAULT_PATH)

set(KALKORA_LO_SDK_FOUND OFF)
if(KALKORA_LO_CPPUMAKER AND KALKORA_LO_INCLUDE_DIR AND KALKORA_LO_TYPES AND KALKORA_LO_OFFAPI AND KALKORA_LO_CPPU
   AND KALKORA_LO_CPPUHELPER AND KALKORA_LO_SAL)
  set(KALKORA_LO_SDK_FOUND ON)
endif()
