# Portable half of the skin file reader: Deflate decoding, PKWARE decryption, ZIP entry
# extraction and the SKINDATA.SK2 record chain.
list(APPEND skin_portable_sources
     InflateStreams.cpp HuffmanTree.cpp Inflate.cpp PkwareCipher.cpp ZipEntryExtractor.cpp
     SkinRecordChain.cpp SkinArchiveLoader.cpp)
