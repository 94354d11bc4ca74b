"""The one driver of Windows programs under wine64 on an X display, for the scripts, the
benchmarks and the tests. Nothing in it sleeps a fixed time; every process it starts (Xvfb,
wineserver, programs) is stopped by its PID.

Python API, by module:
    waiting   DriverError, wait_until(condition, timeout, what), stop_process(process)
    xvfb      Xvfb() (a private display: .display, .stop()), display_reachable(name)
    wine      environment(prefix, display), start(prefix, display, *args),
              run(prefix, display, *args), windows_path(path), WineServer(prefix)
    prefix    create(prefix), reset(prefix), stop(prefix)
    registry  RecordingBrowser(prefix, display), unmanaged_windows(prefix, display, program),
              remove_leftovers(prefix, display)
    screen    Display(name): windows, pixels, pointer and keys; Window; load_picture, save_picture
              (needs numpy and PIL)
    session   Session(exe, prefix, display=None): one program on a display, waits that notice
              when it ends

Command line (shell scripts source winedriver/winedriver.sh and call `winedriver COMMAND`):
    python3 winedriver prefix [--reset]   create $WINEPREFIX when missing; --reset also removes
                                          what interrupted tests left in it
    python3 winedriver stop               end the wineserver of $WINEPREFIX
    python3 winedriver run [--unmanaged [--undecorated]] PROGRAM [ARGS...]
                                          run PROGRAM on a private Xvfb ($VFC_DISPLAY: on that
                                          display instead); its exit code
    python3 winedriver show EXE [--title TITLE] [--shot FILE]
                                          EXE on $DISPLAY when reachable, else a private Xvfb,
                                          with its own wineserver; saves the window once painted;
                                          runs until EXE ends or Ctrl+C
"""
