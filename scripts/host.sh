# Sourced: whether this host can execute 32-bit code, found by starting the 32-bit Wine
# loader itself. Some hosts boot with the kernel's 32-bit emulation off; there every i386
# program fails with "Exec format error", and only the PE32+ build can run.
# LZ_NO_32BIT=1 makes a host that could act as one that cannot, to try that path.
# Sets host_32bit_reason to a short text when the answer is no.
host_runs_32bit() {
  host_32bit_reason=""
  if [[ ${LZ_NO_32BIT:-} == 1 ]]; then
    host_32bit_reason="LZ_NO_32BIT=1 asks to act as a host without 32-bit execution"
    return 1
  fi
  local said
  if ! said=$(/usr/lib/wine/wine --version 2>&1); then
    host_32bit_reason="this host cannot execute 32-bit code (/usr/lib/wine/wine --version: ${said##*: })"
    return 1
  fi
}
