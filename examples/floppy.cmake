# The floppy set, made from the CD's sources: disk 1 carries the setup
# program and the first half of the installation, disk 2 the rest. Their
# setup.cfg is the CD's with the marker line turned into the section of the
# second disk, and the additional software looked for on disk 2.
file(READ ${CFG} text)
string(REPLACE "; -- floppy disk 2 --" "[Setup Disk2]" text "${text}")
string(REPLACE "SoftwareDisk=0" "SoftwareDisk=2" text "${text}")
if(NOT text MATCHES "\\[Setup Disk2\\]")
  message(FATAL_ERROR "${CFG} has no floppy disk 2 marker")
endif()
file(WRITE ${OUT} "${text}")
