# Scenarios of the option controls, the typed, slid and calendar inputs, the log file and the
# command-file export (included by CMakeLists.txt beside this file).
zkv_e2e_scenario(options_clicks options_clicks.sh)
zkv_e2e_scenario(options_command_file options_command_file.sh)
zkv_e2e_scenario(options_typed_inputs options_typed.sh)
zkv_e2e_scenario(options_date_limits options_date_limits.sh)
zkv_e2e_scenario(options_log_file options_log_file.sh)
zkv_e2e_scenario(messages_state messages_state.sh)
zkv_e2e_scenario(options_command_file_cmd options_command_file_cmd.sh)
zkv_e2e_scenario(options_job_open options_job_open.sh)
zkv_e2e_scenario(options_job_drop options_job_drop.sh)
zkv_e2e_scenario(options_job_argument options_job_argument.sh)
# Five saves through the dialog, five runs of cmd.exe and five engine starts.
set_tests_properties(e2e_options_command_file_cmd PROPERTIES TIMEOUT 300)
