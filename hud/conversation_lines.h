// The lines of the portrait conversations, one table per conversation and story state.
// Slot 0 is the upper line (the character met), slot 1 the lower line (the player).
#pragma once

// Gifts handed over with a line.
enum gift_code : int { NO_GIFT, GIFT_GOLD, GIFT_GRENADES, GIFT_WESTON, GIFT_COLT, GIFT_PISTOL_AMMO,
                       GIFT_SHOTGUN, GIFT_SHELLS, GIFT_CARD8,
                       // not items: story changes made on the line itself
                       SET_OBJECTIVE3, EQUIP_PISTOL };

struct talk_line {
    int slot;
    const char* text;
    int gift[3];
};

#define T0(t) {0, t, {}}
#define T1(t) {1, t, {}}

inline constexpr const char* DECLINE_LINE = "Actually_I_think^I&m_coming_down^with_something...^cough...cough..";
inline constexpr const char* ASK_MISSION_LINE = "What_was_my_mission?";

// ---- Conversation 1: the arrival at summer camp ----
inline constexpr talk_line c1_arrival[] = {
    T0("So_ye&re^%0.7s_then?"), T1("Yes_Ma&am!^Reporting_for^duty!"), T0("Welcome_te^Summer_Camp^laddie."),
    T1("Thank_you^Ma&am."), T0("It&s_late._Ye^should_get_some^rest_first."), T1("Where_do_I^sleep?"),
    T0("Yer_tent_is^in_the_camp.^Off_ye_go!")};
inline constexpr talk_line c1_still_here[] = {
    T0("Are_ye_still^here?_Ye^should_get_some^rest_at_ye&re^tent."), T1("Sorry_Ma&am."),
    T0("Off_ye_go^then!"), T1("Right_away^Ma&am!")};
inline constexpr talk_line c1_m1_given[] = {
    T0("Och_how_ye_doin!^I&ve_a_wee_mission^for_ye._But_first^ye&ll_need_some^training."),
    T1("Training?"), T0("Aye!_Find_the^Boot_Camp_and^see_the_Sarge."), T1("Yes_Ma&am!"),
    T0("Off_ye_go^now!")};
inline constexpr talk_line c1_m1_reminder[] = {
    T1("Reporting_in.^Ma&am!"), T0("Have_ye_done^ye&re_training?"), T1("Not_yet^Ma&am."),
    T0("Then_find_the^Boot_Camp!"), T1("Right_away!")};
inline constexpr talk_line c1_m2_given[] = {
    T0("Good!_ye&re_now^trained_fer_ye&re^mission."), T1("What&s_the^mission_Ma&am?"),
    T0("The_enemy&s^radio_station^is_near_the^fortress."), T0("Take_it^out_fer_us."), T1("Consider_it^done!"),
    T0("Take_these^with_ye."), {1, "(Received_6^Grenades!)", {GIFT_GRENADES}}, T0("Good_luck^laddie!"),
    T1("Thanks_Ma&am!")};
inline constexpr talk_line c1_m2_given_full[] = {
    T0("Good!_ye&re_now^trained_fer_ye&re^mission."), T1("What&s_the^mission_Ma&am?"),
    T0("The_enemy&s^radio_station^is_near_the^fortress."), T0("Take_it^out_fer_us."), T1("Consider_it^done!"),
    T0("Ye&ve_plenty_of^grenades_already."), T1("I_do_Ma&am."), T0("Good_luck^laddie!"), T1("Thanks_Ma&am!")};
inline constexpr talk_line c1_none_left[] = {T0("You&ll_need_to^find_other^commanders_fer^muir_missions!")};
inline constexpr talk_line c1_busy[] = {T0("Come_see_me^when_ye&ve_finished^ye&re_mission!")};
inline constexpr talk_line other_none_left[] = {T0("You&ll_need_to^find_other^commanders_for^more_missions!")};
inline constexpr talk_line other_busy[] = {T0("Come_see_me^when_your_finished^your_mission!")};
inline constexpr talk_line c66_m6[] = {
    T0("It&s_about_time^you_showed_up!"), T1("Sorry_Sir!"), T0("Betsy_has_been^captured_by_the^Black_Army."),
    T1("What!?"), T0("I&m_in_charge^now._Get_some^rest."), T1("Yes_Sir."), T0("Dismissed!")};

// ---- The main missions offered by the givers ----
// Briefing: brief[0] and brief[1] from the giver, then the question. Accept: the player's
// line and the giver's reply (and the gift). Decline: the player's excuse and the answer.
struct mission_talk {
    int giver;
    int mission;
    int line_code;        // new_mission on accept and reminder
    const char* brief[2];
    const char* accept_reply;
    const char* decline_reply;
    const char* goal;     // repeated when asked
    const char* debrief[2];
    bool grenades;        // the accept gives 6 grenades (giver 1 hands over mission 2's only unasked)
};

inline constexpr mission_talk mission_talks[] = {
    {1, 2, 10, {"Good!_ye&re_now^trained_fer_ye&re^mission.", "Take_out_the^enemy_radio^station.^Will_ye_do_it?"},
     "Good_lad!_Off^ye_go.", "Och!_Get_well^soon_then.", "Take_out_the^enemy_radio^station.",
     {"Great_job_ye&ve^done_%0.7s!^Without_radio^They&re_totally^exposed!", "Take_a_rest^laddie."}, false},
    {1, 3, 2, {"Och!_The_enemy^is_holding_our^bunkers.", "Recapture_them^fer_us._Will^ye_do_it?"},
     "Good_lad!_Take^these_with_ye.", "Och!_Get_well^soon_then.", "Recapture_the^bunkers_on_the^beach_front.",
     {"Ye_got_our^bunkers_back!", "Well_done^laddie!"}, false},
    {1, 4, 7, {"Och,_We&ve^got_the_enemy^running_scared.", "Beat_the_Admiral^at_his_own^game._Ready?"},
     "Good_lad!_Off^ye_go.", "Och!_Get_well^soon_then.", "Beat_the_Admiral^at_his_own_game.",
     {"The_Admiral^is_beaten!", "Well_done^laddie!"}, false},
    {1, 5, 11, {"Our_Spy_Bigg&s^discovered_the^enemies_plans^whilst_on_that^Battleship.", "Rescue_the^professor._Will^ye_go?"},
     "Good_lad!_Off^ye_go.", "Och!_Get_well^soon_then.", "Rescue_the^professor_bloke.",
     {"Ye_saved_the^professor!", "Well_done^laddie!"}, false},
    {1, 6, 13, {"The_Professor_plan&s^te_escape_by^submarine.", "Stop_that^submarine._Will^ye_go?"},
     "Good_lad!_Off^ye_go.", "Och!_Get_well^soon_then.", "Find_that^submarine!",
     {"The_submarine^is_sunk!", "Well_done^laddie!"}, false},
    {47, 4, 8, {"Your_one_of^Betsy&s_lot^aren&t_you?", "I_need_a_sub^hunted_down.^Are_you_in?"},
     "Good_man!_Off^you_go.", "Suit_yourself.", "Find_that^submarine!",
     {"Great_job!_With^that_submarine!", "(Received_%i^Gold_Pieces!)"}, false},
    {66, 7, 16, {"The_enemy^General_Mauser_has^Betsy_and_he&s^after_you.", "Find_his^house_in_the^village._Ready?"},
     "Good_man!_Move^out!", "Pull_yourself^together_man!", "Find_Mauser&s^house_in_the^village.",
     {"Good_work^soldier.", "We&re_getting^closer."}, false},
    {66, 8, 17, {"Lucky_for_you^my_plan&s^foolproof!", "Destroy_all_of^Mausers_statues.^Ready?"},
     "Good_man!_Take^these.", "Pull_yourself^together_man!", "Destroy_all_of^Mausers_statues.",
     {"The_statues_are^rubble!", "Good_work^soldier."}, true},
    {66, 9, 18, {"We&ll_soon_have^Betsy_back._It&s^time_to_attack.", "Clear_the^palace_gardens.^Ready?"},
     "Good_man!_Move^out!", "Pull_yourself^together_man!", "Clear_the^palace_gardens.",
     {"The_gardens_are^cleared!", "Good_work^soldier."}, false},
    {66, 10, 19, {"Good_News^%0.7s.^We&re_recieved^news_from^Agent_Bigg&s", "Find_Bigg&s^at_the_fortress.^Ready?"},
     "Good_man!_Move^out!", "Pull_yourself^together_man!", "Find_Agent^Bigg&s.",
     {"Bigg&s_is_safe!", "Good_work^soldier."}, false},
    {74, 11, 21, {"%0.7s_I&m^so_glad_te_see^ye!", "Find_Bigg&s_at^the_farmlands.^Will_ye_go?"},
     "Thank_ye!_Go^carefully.", "Och!_Get_well^soon_then.", "Find_Bigg&s_at^the_farmlands.",
     {"Ye_found^Bigg&s!", "Well_done!"}, false},
    {74, 12, 22, {"What_are_my^orders_Betsy?", "Take_out_those^AA-guns._Will^ye_go?"},
     "Thank_ye!_Take^these.", "Och!_Get_well^soon_then.", "Take_out_those^AA-guns.",
     {"The_AA-guns^are_gone!", "Well_done!"}, true},
    {74, 13, 23, {"This_is_it^%0.7s._The^final_mission.", "Catch_the_flight^at_the_airfield.^Ready?"},
     "Thank_ye!_Go^carefully.", "Och!_Get_well^soon_then.", "Catch_that_flight^at_the_airfield.",
     {"Ye_did_it!", "The_war_is^over!"}, false},
};

inline constexpr const char* ACCEPT_LINE = "Yes_Sir!^I&m_on_it!";
inline constexpr const char* GRENADE_GIFT_LINE = "(Received_6^Grenades!)";
inline constexpr const char* GRENADES_FULL_LINES[2] = {"Oh_and^remember_to^use_your^grenades.", "Roger_that!"};
inline constexpr const char* SHOTGUN_GIFT_LINE = "(Received_Shotgun^and_25_Shells!)";
inline constexpr const char* MISSION3_GOAL_LAST = "Recapture_the_last^remaining_bunker^on_the_beach^front.";
inline constexpr const char* MISSION3_GOAL_TWO = "Recapture_the_two^large_bunkers^on_the_beach^front.";

// ---- The other conversations ----
inline constexpr talk_line c11_first[] = {
    T0("So_your_%0.7s?^We&ll_make_a^man_of_you_yet!^Now_give_me_fifty!"), T1("Fifty_what^Sarge?"),
    T0("PUSH-UPS!^And_then_the^obstacle_course."), T1("Yes_Sarge!")};
inline constexpr talk_line c11_on_course[] = {
    T0("What_now?_you_want^me_to_hold_your^hand?_Finish_that^obstacle_course."), T1("Yes_Sarge!")};
inline constexpr talk_line c11_passed[] = {
    T0("Alright_you_passed^but_I&ve_got_my^eye_on_you."), T1("Thanks_Sarge!")};
inline constexpr talk_line c11_act1[] = {
    T0("..Sob..Sob...^Don&t_talk_to_me."), T1("What&s_wrong^Sarge?"), T0("Someone_nicked^my_magazines!"),
    T1("That&s_terrible."), T0("Leave_me_be..."), T1("Alright_Sarge.")};
inline constexpr talk_line c11_act3[] = {
    T0("Well_it_was^fun_working^together_while^it_lasted."), T1("Where_are_you^going_Sarge?"),
    T0("They&re_sending^me_to_the^front."), T1("Good_luck^Sarge."), T0("Don&t_go_soft^on_me_now."),
    T1("Never_Sarge!")};
inline constexpr talk_line c11_act4[] = {
    T0("Good_to_see_you^%0.7s."), T1("You_too_Sarge."), T0("You_turned_out^alright_in_the^end."),
    T1("Thanks_Sarge!"), T0("Now_get_out_of^my_sight!"), T1("Yes_Sarge!")};
inline constexpr talk_line c16_first[] = {T0("Ah_the_new^fella!_Bet_your^a_real_card^shark_eh?")};
inline constexpr talk_line c16_in_or_out[] = {T0("You_in_or^out_boy?")};
inline constexpr talk_line c16_no_gold_first[] = {T0("You_better_get^some_gold_first^boy.")};
inline constexpr talk_line c16_later[] = {T0("You_in_or^out_boy?^Ain&t_got_all^blumin&_day.")};
inline constexpr talk_line c16_no_gold[] = {T0("You_little_tinker!^Bring_some_pennie&s^next_time_boy.")};
inline constexpr talk_line c16_accept[] = {
    T1("Deal_me_in!"), T0("Closest_to_twenty^one_wins."),
    T0("Dealer_must_stand^on_atleast^seventeen._And_no^blumin&_cheating.")};
inline constexpr talk_line c16_decline[] = {T1("Some_other_time!")};
inline constexpr talk_line c17[] = {
    T0("Boy_are_we^glad_to_see^you!_After_what^happened_to^the_last_recruits."), T1("What_happened?"),
    T0("Nobody_knows.^They_never^came_back."), T1("Blimey!"), T0("Take_this._It^might_help."),
    T1("(Received_a^Compass!)"), T0("Now_find_HQ^and_report_in.")};
inline constexpr talk_line c30[] = {T0("Hit_the_enemy^targets_and_win^special_prizes!")};
inline constexpr talk_line c34[] = {
    T0("%0.7s!^I&ve_heard_much^about_you_son."), T1("Thank_you^Sir!"), T0("The_Black_Army^is_on_the_move."),
    T1("What_do_we_do?"), T0("We_fight_son.^We_fight."), T1("Yes_Sir!")};
inline constexpr talk_line c36_act4[] = {
    T0("The_w-war&s^finally_over.^T-Thanks_to^you!"), T1("Just_doing_my^job."), T0("S-Still_c-collecting^cards?"),
    T1("Of_course!")};
inline constexpr talk_line c36_act3[] = {
    T0("G-Great_job_on^r-rescuing_the^lieutenant!"), T1("Thanks!"), T0("K-Keep_it_up!")};
inline constexpr talk_line c36_act2[] = {
    T0("T-Thank_goodness^your_o-ok^%0.7s."), T1("I&m_fine."), T0("I_w-was_so^w-worried!"), T1("Don&t_be.")};
inline constexpr talk_line c36_act1[] = {
    T0("Ahh!_%0.7s^w-we_meet_again."), T1("Do_I_know_you?"), T0("I-I_collect^c-cards."), T1("Cards?"),
    T0("F-Find_them^and_bring_them^t-to_me."), T1("What_do_I_get?"), T0("P-Prizes!")};
inline constexpr talk_line c36_new_cards[] = {T0("AHH,_I_s-see_you^found_some^new_c-cards!")};
inline constexpr talk_line c36_keep_collecting[] = {
    T0("K-Keep_collecting^those_cards._F-Fill^a_r-row_to_win_^some_amazing_prizes!")};
inline constexpr talk_line c36_call_again[] = {T0("C-Call_in_to^see_me_a-again.^And_g-good^hunting.")};
inline constexpr talk_line c36_dont_give_up[] = {T0("D-Don&t_give^up!_There&s^p-plenty_of^c-cards_to_go!")};
inline constexpr talk_line c40[] = {
    T0("So_you_must_be^patches_eh?"), T1("WOOF!"), T0("Your_owner&s^worried_sick."), T1("WOOF!_WOOF!"),
    T0("Come_on_boy.^Let&s_go_home."), T1("(WAG..WAG..)")};
inline constexpr talk_line c41_happy[] = {
    T0("Me_and_Patches^are_so_happy."), T1("Glad_to_help."), T0("Thanks_again^mate!")};
inline constexpr talk_line c41_lost[] = {
    T0("Don&t_suppose^you&ve_seen_my^dog_mate?"), T1("What_does_he^look_like?"),
    T0("Patches_is^small_and^scruffy."), T1("I&ll_keep_an^eye_out.")};
inline constexpr talk_line c41_found[] = {
    T0("You_found_Patches!^I_can&t_thank^you_enough!"), T1("No_problem."), T0("Here,_take_this."),
    {1, "(Received_a^Card!)", {GIFT_CARD8}}, T0("Cheers_mate!")};
inline constexpr talk_line c46_act3[] = {T0("Just_got_some^new_stock_in!"), T1("Let&s_see^then.")};
inline constexpr talk_line c46_act2[] = {
    T0("Your_in_luck^my_friend._Got^some_new_weapons^in!"), T1("Really?"), T0("Have_a_look!")};
inline constexpr talk_line c46_first[] = {
    T0("AH!_a_new^sucker_I_mean^customer..welcome!"), T1("What_did_you^call_me?"), T0("Customer!^Valued_customer!"),
    T1("Hmmm..."), T0("Have_a_look^around_mate.")};
inline constexpr talk_line c46_again[] = {T0("Got_some_bloody^good_stuff_here^mate!"), T1("Let&s_see^then.")};
inline constexpr talk_line c46_leaving_first[] = {
    T0("Come_again_mate^got_some_new^stock_coming^in!"), T1("Will_do."), T0("Cheerio!")};
inline constexpr const char* c46_purchase_lines[6] = {
    "Come_again!^I&ve_got_kid&s^to_feed_y&know!", "A_fine_pistol^to_make^any_mans_day!", "You_got_a^bargain_there^mate!",
    "Your_robbing^me_blind^with_that^purchase!", "I&m_bloody^giving_this^stuff_away!", "Don&t_forget^to_equip_your^new_helmet!"};
inline constexpr talk_line c48_act3[] = {
    T0("It_seems_your^more_than_meets^the_eye."), T1("What_do_you^mean?"), T0("Your_rank_has^gone_up!")};
inline constexpr talk_line c48_act2[] = {
    T0("That_attack..^was_pretty..^bad..."), T1("Are_you_alright?"), T0("I&ll_live..."), T1("Good."),
    T0("Need_an^upgrade?")};
inline constexpr talk_line c48_first[] = {
    T0("So_your_our^new_recruit..."), T1("That&s_me."), T0("I_upgrade_guns."), T1("For_a_price?"),
    T0("Gun_parts^and_gold."), T0("Higher_rank^better_upgrades.")};
inline constexpr talk_line c48_rank[] = {T0("At_rank_%i^these_are^your_available^upgrades."), T1("Let&s_see.")};
inline constexpr talk_line c48_leave_first[] = {T0("Need_a_more^powerful_gun..^I&m_your_guy...")};
inline constexpr talk_line c48_leave[] = {T0("Keep_gaining^rank_to_unlock^new_upgrades!")};
inline constexpr talk_line c49[] = {T0("Arghh_Matey!^What&ll_it_be?"), T1("Just_looking.")};
inline constexpr talk_line c50_first[] = {
    T0("O-Oh!_%0.7s^You_s-scared_m-me!"), T1("Sorry."), T0("C-Can_you_c-capture^the_l-lower_decks?")};
inline constexpr talk_line c50_accept[] = {T1("I&m_your_man!^I_mean...er_you^know!"), T0("T-Thank_you!")};
inline constexpr talk_line c50_decline[] = {T1("Sorry_mate^I&m_on_a^mission_already."), T0("O-Oh...")};
inline constexpr talk_line c50_waiting[] = {
    T0("T-Tell_me_you&ve^c-captured_the^l-lower_decks?"), T1("Not_yet."), T0("P-Please_hurry!")};
inline constexpr talk_line c50_done[] = {
    T0("Y_you_really^s-saved_my_b-bacon^%0.7s!_P-Please^take_this!"),
    {1, "(Received_%i^Gold_Pieces!)", {GIFT_GOLD}}, T0("T-Thanks_again!")};
inline constexpr talk_line c53[] = {
    T0("D-Did_I_get_him?"), T1("Get_who?"), T0("The_A-Admiral!"), T1("Not_quite."), T0("D-Damn!"),
    T1("Stay_here."), T0("O-Okay...")};
inline constexpr talk_line c54_first[] = {
    T0("AIEEEE!^Don&t_sneak_up^on_me_like^that."), T1("Sorry!"), T0("I&m_a_spy._Shhh!"), T1("A_spy?"),
    T0("Take_my^disguise."), T1("(Received_a^Disguise!)"), T0("Now_go!")};
inline constexpr talk_line c54_again[] = {
    T0("Sorry,_You^can&t_use^my_disguise."), T1("Why_not?"), T0("It&s_been^used_already.")};
inline constexpr talk_line c55[] = {
    T0("So_you_finally^made_it..."), T1("Who_are_you?"), T0("Your_worst^nightmare."), T1("Oh_really?"),
    T0("Nobody_gets_past^me."), T1("We&ll_see^about_that."), T0("HA_HA_HA!"), T1("Bring_it_on!"),
    T0("As_you_wish...")};
inline constexpr talk_line c56[] = {
    T0("Thanks_fer^playing..."), T0("Leave_a_comment^at_our_web_page:^www.varnoth.net"), T0("See_ye_next^time!")};
inline constexpr talk_line c57[] = {
    T0("Look_what_I^found..."), T1("What_is_it?"), T0("A_secret^tunnel!"), T1("Let&s_go!")};
inline constexpr talk_line c58[] = {
    T0("(COUGH)..YOU..^..YOU..^PUNY_MAN!..."), T1("It&s_over!"), T0("NEVER!"), T1("Give_up!")};
inline constexpr talk_line c59[] = {
    T0("There&s_no_escape^this_time_fatso."), T1("We&ll_see..."), T0("Give_up_now!"), T1("NEVER!")};
inline constexpr talk_line c60[] = {
    T0("DAMN_AND_BLAST^THE_PROFESSOR!"), T1("Sir?"), T0("HE_ESCAPED!"), T1("How?"), T0("BY_SUBMARINE!"),
    T1("We&ll_find_him."), T0("YOU_BETTER!"), T1("Yes_Sir!")};
inline constexpr talk_line c61[] = {
    T0("SO?_YOU^FIND_IT_THEN?"), T1("Find_what?"), T0("THE_SECRET!"), T1("What_secret?"), T0("HA!_FOOL!"),
    T1("Hmmm...")};
inline constexpr talk_line c63[] = {
    T0("YES!_IT_IS_I!^THE_GREATEST^ADMIRAL_EVER!"), T1("Who?"), T0("THE_ADMIRAL!"), T1("Never_heard^of_you."),
    T0("SILENCE!")};
inline constexpr talk_line c64[] = {
    T0("Y-Your_the_Black^Army_g-general^Mauser..."), T1("Yes._And_you^are_mine."), T0("W-What_do_you^want?"),
    T1("The_plans."), T0("N-Never!"), T1("Then_you^will_stay_here."), T0("N-No!"), T1("Take_him_away!")};
inline constexpr talk_line c65[] = {
    T0("THE_FLEET^IS_IN_THE^POSITION_ADMIRAL!"), T1("EXCELLENT!"), T0("ORDERS?"), T1("ATTACK!"),
    T0("YES_ADMIRAL!")};
inline constexpr talk_line c67_first[] = {
    T0("%0.7s_I&m^glad_you_made^it._The_whole^Black_Army_is^after_you!"), T1("I_know."), T0("Take_this_map."),
    T1("(Received_a^Map!)"), T0("It_shows_the^way_back."), T1("Thanks."), T0("Go_now!"), T1("Right!"),
    T0("Good_luck!")};
inline constexpr talk_line c67_again[] = {
    T0("Take_that_map^back_to_camp.^Jone&s_will_have^a_plan."), T1("Right."), T0("Hurry!")};
inline constexpr talk_line c68[] = {
    T0("SO_GLAD_YOU^ARRIVE..."), T1("Who_are_you?"), T0("A_FRIEND."), T1("Prove_it."), T0("FOLLOW_ME."),
    T1("Alright...")};
inline constexpr talk_line c69[] = {
    T0("I-I_FAIL^YOU..BROTHER.."), T1("You_did."), T0("FORGIVE_ME..."), T1("Never."), T0("PLEASE..."),
    T1("Be_gone!")};
inline constexpr talk_line c70_first[] = {
    T0("%0.7s_I&m^glad_you_made^it._I_hope^your_ready_for^this."), T1("Ready_for^what?"),
    T0("A_stealth^mission."), T1("Sneaking?"), T0("No_guns._If^they_spot_you^it&s_over."), T1("Got_it."),
    T0("Wear_this^disguise."), T1("Alright."), T0("Stay_out_of^sight."), T1("Will_do."), T0("Good_luck!")};
inline constexpr talk_line c70_again[] = {
    T0("Sorry_but^you_can&t_use^my_disguise."), T1("Why_not?"), T0("It&s_too^small."), T1("Oh."),
    T0("Go_carefully.")};
inline constexpr talk_line c70_failed[] = {
    T0("Looks_like^we&ll_have_to^try_again."), T1("Sorry."), T0("Stay_hidden^this_time."), T1("I_will."),
    T0("Go!")};
inline constexpr talk_line c71[] = {
    T0("YOU_AGAIN!^YOU_WANT_THE^GIRL?_WHAT&S_LEFT^OF_HER..."), T1("Let_her_go!"), T0("COME_AND_GET^HER!"),
    T1("I_will!"), T0("HA_HA_HA!"), T1("You&ll_pay!")};
inline constexpr talk_line c72[] = {
    T0("B-Betsy_are_you^alright?"), T1("I&m_fine^%0.7s."), T0("Let&s_get_you^out_of_here."), T1("Thank_you!"),
    T0("Hold_on^tight."), T1("I_will!")};
inline constexpr talk_line c73[] = {
    T0("The_nerve_gas^is_complete^Zarvok..."), T1("EXCELLENT."), T0("When_do_we^use_it?"), T1("SOON..."),
    T0("Yes_master.")};
inline constexpr talk_line c77_first[] = {
    T0("%0.7s_You^came_to_rescue^me._I&ve_been^stuck_here_for^days."), T1("Bigg&s!"), T0("Take_these^plans."),
    T1("(Received_the^Plans!)"), T0("Get_them_back^to_camp."), T1("What_about^you?"), T0("I&ll_manage."),
    T1("Good_luck.")};
inline constexpr talk_line c77_again[] = {
    T0("Err..alittle_help^would_be^appreciated."), T1("Sorry!"), T0("Hurry!")};
inline constexpr talk_line c78_first[] = {
    T0("%0.7s_I&m^glad_you_made^it._There&s_not^much_time..."), T1("What&s_wrong?"),
    T0("The_missiles^are_armed."), T1("Where?"), T0("In_the_silos."), T1("How_do_I^stop_them?"),
    T0("Use_this_key."), T1("(Received_a^Key!)"), T0("In_sequence!"), T1("Got_it."), T0("Go!")};
inline constexpr talk_line c78_again[] = {
    T0("%0.7s_You^must_stop_those^missiles_quick!"), T1("On_my_way!"), T0("Hurry!")};
inline constexpr talk_line c79_first[] = {
    T0("Y-You...^I..know^..you.."), T1("Bigg&s?"), T0("They..did^..things..to_me.."), T1("What_things?"),
    T0("E-Experiments.."), T1("I&ll_get_you^out."), T0("S-side-effects.."), T1("Hang_on!")};
inline constexpr talk_line c79_again[] = {T0("What_bloody^side-effects?"), T1("Never_mind."), T0("Alright...")};
inline constexpr talk_line c81[] = {
    T0("DAMN!_I&m_too^late..."), T1("Too_late_for^what?"), T0("The_bomb!"), T1("Where_is_it?"),
    T0("Below_us!"), T1("Run!"), T0("GO!")};
inline constexpr talk_line c83[] = {
    T0("Och,_I_hope^ye_came_te^visit_me!"), T1("Of_course!"), T0("Sit_down^laddie."), T1("Thanks."),
    T0("Ye&ve_done^us_proud."), T1("Just_my_job.")};

#undef T0
#undef T1
