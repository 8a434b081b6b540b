// The texts of the speech-bubble messages, one table per kind of message.
#pragma once

// A message with one text of its own. Texts beginning "INFO!" are hints and also ask for
// the pick-up sound.
struct fixed_message {
    int id;
    const char* text;
};

inline constexpr fixed_message fixed_messages[] = {
    {1, "INFO!_Left-Click_an_item^to_purchase_it..."},
    {2, "INFO!_Drop_an_item_into^the_box_to_sell_it."},
    {3, "INFO!_This_tunnel_is_a^shortcut_between_areas."},
    {4, "INFO!_Right-Click_to^reload_your_weapon...."},
    {5, "INFO!_Left-Click_on_an^enemy_to_attack_him.."},
    {6, "INFO!_Left-Click_on_an^item_to_collect_it.."},
    {7, "INFO!_Left-Click_on_an^INV_weapon_to_equip_it"},
    {15, "INFO!_You&ll_need_to^complete_all_missions_to^go_to_the_next_stage."},
    {34, "INFO!_Bring_the_prisoners^back_here_to_escape..."},
    {39, "INFO!_You_can_lead_up_to^three_prisoners_at_a_time.."},
    {42, "INFO!_Destroy_all_of_the^targets!"},
    {43, "INFO!_Destroy_all_of_the^targets_using_headshots^and_footshots!"},
    {44, "INFO!_Destroy_all_of_the^targets_with_the_knife!"},
    {45, "INFO!_Left-Click_on_an^enemie&s_head_to_perform^a_headshot."},
    {47, "INFO!_Left-Click_on_an^enemie&s_feet_to_perform^a_footshot."},
    {50, "INFO!_Clear_the_bunker^of_all_enemies_to^recapture_it."},
    {52, "INFO!_You_can_now^throw_grenades^when_taking_cover."},
    {53, "INFO!_You_can_now_swim^in_water_areas."},
    {55, "INFO!_You_can_now^use_pistol_weapons."},
    {58, "INFO!_When_you_level-up^you_can_increase_your^stats_in_the_stat_menu"},
    {73, "INFO!_You_can_use^grenades_to_destroy^enemy_vehicles."},
    {77, "INFO!_You_can_recover^health_whilst_taking^cover."},
    {78, "INFO!_Upgrade_your_guns^to_defeat_powerful^enemies!"},
    {84, "INFO!_Press_the_number^keys_to_quickly_switch^weapons."},
    {92, "INFO!_Use_grenades^to_remove_obstacles."},
    {96, "INFO!_Right-Click_on_an^INV_headwear_to_equip_it"},
    {101, "INFO!_Only_pistols_and^rifles_can_perform_head^and_footshots."},
    {104, "INFO!_You_can_take^cover_by_standing_near^an_object."},
    {109, "INFO!_You_can_recover^full_health_by^sleeping_in_the_tent."},
    {113, "INFO!_The_security^shutters_are_down.^Find_the_switch!"},
    {118, "INFO!_Destroy_the^enemie&s_food_supplies!"},
    {119, "INFO!_Destroy_the^enemie&s_ammunition!"},
    {122, "INFO!_Using_guns_or^being_spotted_will^raise_the_alarm."},
    {125, "INFO!_Missiles_must_be^de-activated_in_sequence."},
    {129, "INFO!_Clear_the_cellar^to_earn_a_medal."},
    {130, "INFO!_Keep_moving_to^avoid_mortars."},
    {9, "Welcome_to_our_holiday^town!"},
    {10, "T-The_general..He&s_in_a^house_across_the_river.."},
    {21, "Lead_the_way_Captain!"},
    {22, "Thank_you_Captain!_see^me_later_we_need_you."},
    {23, "One_less_vehicle_to^worry_about!"},
    {24, "Oops..I_can&t_carry^anymore!"},
    {27, "RANK_UP!"},
    {28, "I_think_this_was^the_right_way.."},
    {29, "Looks_like_a_ghost^ship._Bloody_strange.."},
    {36, "Only_X_left!"},
    {37, "Bloody_hell_I_failed!"},
    {40, "I&ll_bloody_beat_it^next_time."},
    {48, "Alright_let&s_get_this^show_on_the_road!"},
    {49, "No_bloody_ammo_left.."},
    {51, "Easy_peasy_mate^Bunker_captured!"},
    {56, "P-Please_deliver_these^letters_I&ll_be_fine."},
    {57, "Alright!_Found_&em!"},
    {59, "I-It&s_just_too^bloody_hard..."},
    {64, "MISSION_ACCOMPLISHED!"},
    {65, "How_did_they_find^our_base..."},
    {66, "Glad_to_see_you^made_it_mate."},
    {67, "It&_not_so_bad^honest_mate.."},
    {68, "It&s_just_a_scratch^OUCH!!!"},
    {69, "W-We_should_get_g-going."},
    {75, "MEDAL_AWARDED!"},
    {76, "Blimey!_I_feel_alot^stronger_now!"},
    {79, "Oops..I_don&t_have^any_pistols!"},
    {80, "Oops..I_don&t_have^any_shotguns!"},
    {81, "Oops..I_don&t_have^any_machine-guns!"},
    {82, "Oops..I_don&t_have^any_rifles!"},
    {83, "Oops..I_don&t_have^any_grenades!"},
    {93, "INCOMING!"},
    {95, "Time_for_a_short-cut..."},
    {97, "BOO_HOO!_The_bad_guy&s^stole_my_dolly!"},
    {98, "I_hit_my_own_grenade^Oops..."},
    {99, "Where_the_bloody_hell^are_we?"},
    {100, "Teach_those_sailors_a^lesson_sonny!"},
    {105, "That&ll_slow_&em_down."},
    {106, "So_that&s_where_the^bloody_monkeys_are_from."},
    {107, "What_the_blaze&s_are^they_researching_here?"},
    {108, "Blimey!_Human^experiments."},
    {110, "PARTY_TIME!"},
    {111, "Bloody_booby-trap..."},
    {112, "Hmmm...Something^happened."},
    {114, "Are_you_sure_you_belong^here_friend?"},
    {115, "C-Carl_is_that_you?..my^mistake_friend."},
    {116, "Go_back_friend_there&s^only_death_here."},
    {117, "I_can&t_hear_you_friend.^Shellshock."},
    {120, "That_should_keep_&em^busy!"},
    {123, "There_must_be_a_switch^for_this_somewhere..."},
    {124, "HELP!!!"},
    {126, "Missiles_de-activated!"},
    {127, "Just_follow_our^homing_pigeon..."},
    {128, "Cellar_cleared_mate!"},
    {131, "There_goes_my_hot_date."},
    {132, "Fancy_a_date?_Oh_you^don&t_have_a_car..."},
    {134, "Och!_I_did_some_repairs.^What_D&yae_think?"},
    {135, "We&ve_been_fixing_the^camp_since_you&ve_been^away."},
    {136, "I&m_glad_Betsy&s_back^in_charge."},
    {137, "Be_glad_to_see_the^back_of_Jones."},
    {138, "This_area&s_under^investigation."},
    {139, "Bloody_admin_blokes....^Drive_me_potty_mate."},
    {140, "I&ve_got_the_camp^covered._Really_this_time."},
    {141, "HELP!!!"},
};

// Random pools: a request draws rand() mod the pool's size once.
inline constexpr const char* medic_pool[] = {
    "There...your_all_fixed^up_governor!...", "Cor_what_a_mess._That&s^better.",
    "You_been_showing_those^black_army_again?", "Humpty&s_back_together^again!", "All_better!",
    "Stop_crying_it&s_not^that_bad!", "Alright_try_coming_back^in_one_piece_next_time",
    "I&m_gonna_run_out_of^band-aids_at_this_rate!", "That_plaster_should_hold^it!",
    "I_was_a_vet_back_home^you_know!", "A_stitch_in_time_saves^..err..what_was_it?",
    "If_it_get&s_infected^It&s_not_my_fault."};
inline constexpr const char* purchase_pool[] = {
    "You_got_a_real_bargain^there_top_notch!", "That&ll_help_feed_the^kids.",
    "Remember!_All_sales_are^final.", "If_it_breaks_don&t_blame^me.",
    "Of_course_none_of_my^goods_are_dodgy!", "If_anybody_asks_you^didn&t_get_it_here!",
    "If_Bob_asks_you_didn&t^get_it_here!", "Bloody_bargain_mate!", "I&m_just_giving_this^stuff_away!",
    "Cheap_as_chips!"};
inline constexpr const char* need_pool[] = {
    "Ha_Ha..nice_try_mate^but_you_need_more_gold.", "HEY!_what&s_this?^Cough_up_the_gold_mate.",
    "I&m_not_a_bloody_charity!", "Cough_up_the_gold_mate!", "I_won&t_sell_it_for^any_less.",
    "That&s_not_enough_gold^mate!", "Bloody_chancer!", "These_items_don&t_grow^on_trees_you_know!",
    "This_ain&t_no_charity^you_know.", "Bloody_muckers_always_^trying_one_on."};
inline constexpr const char* mercy_pool[] = {
    "I_need_Mamma!", "OOH!_Dis_hurts!", "Don&t_shooten_me!", "I_give_ups!", "I_need_Medic!",
    "Have_you_mercy!", "I_am_you_friend!", "Dis_really_is_hurt!", "OOH!", "You_show_mercy_please?",
    "(CENSORED)", "(CENSORED)"};
inline constexpr const char* daytime_pool[] = {
    "That_was_a_bleedin^long_night!", "I_really_need_some^sleep!", "No_sleep_for_this^soldier!",
    "I_wonder_what&s_for^breakfast?", "Rise_and_shine!", "Great,_breakfast_time!", "Who_needs_sleep.",
    "Back_to_day_duty.", "Thought_I&d_never_make^it_to_morning!", "Daybreak!",
    "What_a_beautiful^morning!"};
inline constexpr const char* nighttime_pool[] = {
    "What_was_that?", "I&m_afraid_of_the_dark.", "It&_going_to_be_a^long_night.",
    "Is_it_that_late_already?", "Blimey_it&s_dark!", "Can&t_even_see_my_shoes.",
    "It&_creepy_out_there.", "It&_going_to_be_a^long_night.", "(CENSORED)",
    "What_the_mickeys_was^that?", "Did_you_hear_something?"};
inline constexpr const char* rescue_pool[] = {
    "Who_else_wants_some?", "That&s_got_to_hurt!", "That&ll_teach_&em!", "Bleedin_&ell!", "Blimey!",
    "Up_the_Green_army!", "HA_HA_HA...", "I_almost_feel_sorry^for_&em.", "May_he_rest_in_peace...",
    "As_I_walk_through_the^shadow_of_death.", "&Ave_it!", "Better_luck_next_time^mate.",
    "You&ll_need_more_than^a_medic_mate!", "Blimey_this_is_a^messy_business.",
    "There&s_no_end_to_the^buggers.", "They_just_keep_coming^back_for_more.", "Nice_shot!",
    "Ouch!_that_looked_nasty!", "About_bloody_time!", "Bloody_Hell!", "Now_I&ve_got_it!",
    "Bring_&em_on_mate.", "Easy_peasy_mate.", "That_was_a_close_one.", "That_hit_the_spot!",
    "Gordon_Bennet!", "If_only_my_girlfriend^could_see_me_now!", "Blimey!",
    "I&m_really_getting_the^hang_of_this.", "Cheeky_little_buggers!", "Cor,_What_a_mess!"};
inline constexpr const char* dancer_pool[] = {
    "I_know_this_one.", "Who_sings_that_one^again?", "My_feet_hurt.", "I_love_dancing_mate.",
    "I_wonder_where^she_is_now?", "Only_the_lonely.", "I_want_to_dance^with_Betsy.",
    "Dance_the_night_away.", "La-La-La!", "Dum-De-Dum!"};
inline constexpr const char* dancer1_pool[] = {
    "You_sh-said_it..", "Wh-ho..took..my^..pint?..", "(HIC!)", "I..needsh..another^..drink..",
    "Blod.ody...r..right.", "H-ave..a..dri.nk^with..ush!"};
inline constexpr const char* buddy_pool[] = {
    "Let&s_move.", "My_rifle_is_my_friend.", "Where_are_they?", "I_can_smell_the_enemy.",
    "Where_next?", "Yes_Sir!", "Wait_for_me.", "Time_to_camp.", "Just_get_me_in_position.",
    "Keep_moving."};
inline constexpr const char* tank_pool[] = {
    "One_less_tank_to^worry_about.", "That_was_bloody_close!", "Bloody_tanks!",
    "Get_a_bigger_tank^next_time_mate!"};
inline constexpr const char* shitter_pool[] = {
    "THE_LORD_IS_MY_SHEPERD!", "BEWARE_THE_SAUCERMEN!", "THEY_WILL_COME_FROM_THE^HEAVENS!",
    "THE_END_IS_NIGH!"};
inline constexpr const char* healing_pool[] = {
    "All_better_now!", "Blimey!_That_was^close...", "Ready_to_take_on^the_world!", "Much_better!",
    "Alright_bring_&em_on!", "Revenge..", "Who&s_next?", "That_hit_the_spot!", "It&_showtime..",
    "I&m_alright_now.", "Never_felt_better!", "You_can&t_stop_me!"};
inline constexpr const char* lost_pool[] = {
    "Where_he_go...?", "COME_OUT!_WITH_HAND_UP!", "WE_NOT_SHOOT!", "WE_MAKE_FRIENDS,_YES?",
    "(CENSORED)", "WE_WANT_BE_FRIENDS", "WE_LOVE_GREEN_ARMY.", "COME_OUT!", "He_get_away...",
    "ME_VERY_THE_ANGRY_NOW!", "YOU_COME_OUT_WE_TALK!", "WE_UN-ARMED!", "WE_HELP_YOU_COUNTRY.",
    "(CENSORED)", "He_disappear_again...", "He_no_hide_forever...", "OK,_WE_SURRENDER!",
    "YOU_NO_SCARE_US!"};
inline constexpr const char* explode_pool[] = {
    "Another_one_down.", "How_many_of_these^are_there?", "Blimey_these_things_are^tough.",
    "And_stay_down_mate.", "Demolition_is_my^mission.", "Thar_she_blows!"};
inline constexpr const char* lost_friend_pool[] = {
    "Where&d_that_bugger_go?", "COME_OUT!_YOU_BLIGHTER!", "Bring_it_on_mate!", "STOP_HIDING!",
    "(CENSORED)", "Just_surrender_mate.", "Bloody_Black_Army.", "COME_OUT!", "He_got_away...",
    "You&re_making_me_pissed!", "Where_is_he?", "Just_give_it_up_mate.", "GREEN_ARMY_FOREVER!",
    "(CENSORED)", "Go_back_home!", "Tally_ho!", "Fight_like_a_man!", "Did_you_see_&im?"};
inline constexpr const char* guard_pool[] = {
    "Can&t_talk_now_mucker!^I&m_on_sentry.", "Sorry_mucker!_this^route&s_restricted."};

struct message_pool {
    int id;
    int count;
    const char* const* texts;
};

#define POOL(id, a) {id, (int)(sizeof(a) / sizeof(a[0])), a}
// Message 14 draws from its pool only for ranks other than 1.
inline constexpr message_pool message_pools[] = {
    POOL(14, medic_pool),   POOL(16, purchase_pool),  POOL(17, need_pool),    POOL(26, mercy_pool),
    POOL(30, daytime_pool), POOL(31, nighttime_pool), POOL(32, rescue_pool),  POOL(60, dancer_pool),
    POOL(61, dancer1_pool), POOL(71, buddy_pool),     POOL(72, tank_pool),    POOL(74, shitter_pool),
    POOL(102, healing_pool), POOL(103, lost_pool),    POOL(121, explode_pool), POOL(133, lost_friend_pool),
};
#undef POOL

// The scene start message (id 25).
inline constexpr const char* start_pool[16] = {
    "Tally_ho!", "Jolly_Good!", "Where_is_it?", "Haven&t_I_been_here^before?", "This_looks_familiar...",
    nullptr,  // by day or by night, below
    "There&s_something_in^my_shoe..", "Here_we_go_again!", "I_could_really_use_a^shower.",
    "Good_Show!", "It&s_a_soldiers_life^for_me!", "Just_one_more_go!", "Did_you_hear_that?",
    "(COUGH)..(COUGH)..", "I_could_really_use_a^cigarette.", "Okey_Dokey!"};
inline constexpr const char* start_stroll_day = "Nice_day_for_a_stroll!";
inline constexpr const char* start_stroll_night = "Nice_night_for_a_stroll!";
inline constexpr const char* start_revived = "Blimey!_That_was_close!";

struct level_line {
    int level;
    const char* text;
};
inline constexpr level_line start_area_lines[] = {
    {4, "Where&s_those_prisoners^then?"},   {7, "Time_to_earn_some^hard_cash!"},
    {8, "Alright_mate,_move_out!"},         {10, "Cor_it&s_bloody_dark^down_&ere.."},
    {11, "I_hope_there&s_no^rat&s_down_&ere."}, {12, "I_could_sure_use_a^light."},
    {19, "Where&s_those_part&s^then?"},     {25, "This_place_gives_me^the_willies.."},
    {34, "Your_going_down_tin_can!"},
};
inline constexpr const char* start_maze_pool[5] = {
    "BIGG&S_WHERE_ARE_YOU!", "ANYBODY_HOME?", "This_place_is_a_bloody^maze.", "Where_could_he_be?",
    "The_bugger_must_be_here^somewhere."};
inline constexpr const char* start_tent_pool[3] = {
    "Where&s_this_poxy_tent^then?", "I_can&t_sleep_here...", "(YAWN)"};

// Lines by new_mission; nullptr: no line (the earlier text stays). Mission 5 is chosen by
// the state of the training mission, below.
inline constexpr const char* start_mission_lines[31] = {
    "Better_find_this_Boot^Camp_then.",             // 0
    "Obstacle_course_here_I^come!",                 // 1
    "Recapture_the_bunkers..^sounds_easy_enough.",  // 2
    "Where&s_this_blasted_HQ^then?",                // 3
    "Easy_peasy!_Betsy^will_be_proud!",             // 4
    nullptr,                                        // 5
    "Time_to_hunt_some^Submarines!",                // 6
    "Time_to_beat_the^Admiral!",                    // 7
    "Where&s_this_submarine^then?",                 // 8
    "I_better_find_that^tunnel_at_the_fortress.",   // 9
    nullptr,                                        // 10
    "Alright!_Better_rescue^the_professor_bloke.",  // 11
    "That_bugger!_I_better^get_out_of_here!",       // 12
    "Where&s_this_submarine^then?",                 // 13
    "What_a_mess.",                                 // 14
    "I_better_tell_Betsy^what&s_going_on.",         // 15
    "A_house_at_the^Village._I&m_bloody_lost.",     // 16
    "Time_to_destroy_all^of_Mausers_statues.",      // 17
    "Time_for_a_picnic_at^the_palace_gardens!",     // 18
    nullptr,                                        // 19
    nullptr,                                        // 20
    "I_better_find_Bigg&s_at^the_farmlands.",       // 21
    "Time_to_take_out_those^AA-guns.",              // 22
    "Better_catch_that_flight^at_the_airfield.",    // 23
    "I_better_get_these_plans^back_to_camp_pronto.", // 24
    "I_better_get_some_sleep^at_my_tent.",          // 25
    "I_better_report^in_to_HQ.",                    // 26
    "What_should_I_do_now^missions_or_explore?",    // 27
    "What_was_that_all_about?",                     // 28
    "Take_that_obstacle^course!",                   // 29
    "I_should_report_back_to^summer_camp.",         // 30
};
// new_mission 5 while the training mission (1) is current, by main_mission[1]: 0, 1, 2.
inline constexpr const char* start_training_lines[3] = {
    "I_know_where_I&m^going....I_think?", "I_should_report_in...", "Time_to_finish_that^obstacle_course."};
inline constexpr const char* start_no_mission_line = "I_should_probably^do_some_missions.";
