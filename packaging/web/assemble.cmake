# Run after each link of the browser build: brings the program and Qt's loader into the web folder
# and writes the service worker for exactly the files the folder then holds.
# cmake -DPROGRAM_DIR=... -DWEB_DIR=... -DSERVICE_WORKER=sw.js.in -P assemble.cmake
foreach(name rotorix.js rotorix.wasm qtloader.js)
  file(COPY_FILE ${PROGRAM_DIR}/${name} ${WEB_DIR}/${name} ONLY_IF_DIFFERENT)
endforeach()

file(GLOB_RECURSE files RELATIVE ${WEB_DIR} ${WEB_DIR}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(contents "")
set(ROTORIX_WEB_FILES "'./'")
foreach(name IN LISTS files)
  file(SHA256 ${WEB_DIR}/${name} digest)
  string(APPEND contents "${name} ${digest}\n")
  string(APPEND ROTORIX_WEB_FILES ", '${name}'")
endforeach()
string(SHA256 ROTORIX_WEB_HASH "${contents}")
string(SUBSTRING ${ROTORIX_WEB_HASH} 0 16 ROTORIX_WEB_HASH)
configure_file(${SERVICE_WORKER} ${WEB_DIR}/sw.js @ONLY)
