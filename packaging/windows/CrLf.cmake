# Copies a text file with CR LF line ends, as Notepad on older Windows needs them.
#   cmake -DIN=<text file> -DOUT=<copy> -P CrLf.cmake
file(READ "${IN}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUT}" "${text}")
