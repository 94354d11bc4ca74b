add_library(vfc_jpeg INTERFACE)
