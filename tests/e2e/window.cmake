# Scenarios of the whole window: start-up, pages, folder picking, the About box, quitting.
zkv_e2e_scenario(window_defaults window_defaults.sh)
zkv_e2e_scenario(window_engine_missing window_engine_missing.sh)
zkv_e2e_scenario(window_pages window_pages.sh)
zkv_e2e_scenario(window_folders window_folders.sh)
zkv_e2e_scenario(window_about window_about.sh)
zkv_e2e_scenario(window_sysinfo window_sysinfo.sh)
zkv_e2e_scenario(window_quit window_quit.sh)
zkv_e2e_scenario(window_close window_close.sh)
